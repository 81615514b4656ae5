#include "tests/support/temp_database.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace quorvane::test {

using dbwriter::BuildDatabase;

TempDatabase::TempDatabase(const std::vector<Range>& ranges, const BuildOptions& options) {
    std::vector<std::uint8_t> image;
    if (BuildDatabase(ranges, options, image, m_error)) {
        WriteImage(image);
    }
}

TempDatabase TempDatabase::FromImage(const std::vector<std::uint8_t>& image) {
    TempDatabase database;
    database.WriteImage(image);
    return database;
}

TempDatabase::~TempDatabase() {
    Remove();
}

TempDatabase::TempDatabase(TempDatabase&& other) noexcept
    : m_path(std::exchange(other.m_path, {})), m_error(std::move(other.m_error)) {}

TempDatabase& TempDatabase::operator=(TempDatabase&& other) noexcept {
    if (this != &other) {
        Remove();
        m_path = std::exchange(other.m_path, {});
        m_error = std::move(other.m_error);
    }
    return *this;
}

void TempDatabase::WriteImage(const std::vector<std::uint8_t>& image) {
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : "/tmp") + "/quorvane-XXXXXX.db";
    int fd = ::mkstemps(name.data(), 3);
    if (fd < 0) {
        m_error = "cannot create " + name + ": " + std::strerror(errno);
        return;
    }
    std::size_t done = 0;
    while (done < image.size()) {
        ssize_t n = ::write(fd, image.data() + done, image.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_error = "cannot write " + name + ": " + std::strerror(errno);
            ::close(fd);
            ::unlink(name.c_str());
            return;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) {
        m_error = "cannot write " + name + ": " + std::strerror(errno);
        ::unlink(name.c_str());
        return;
    }
    m_path = std::move(name);
}

void TempDatabase::Remove() {
    if (!m_path.empty()) {
        ::unlink(m_path.c_str());
        m_path.clear();
    }
}

}  // namespace quorvane::test
