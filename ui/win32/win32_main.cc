// The desktop tool on Windows: one window over the frame logic. It reads no environment of its own;
// a file named on its command line (as Explorer's "Open with" and a drop on the .exe give it) is
// imported at start.
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "batch/database_path.h"
#include "files/app_directory.h"
#include "ui/main_frame.h"
#include "ui/win32/win32_main_window.h"
#include "ui/win32/win32_text.h"

namespace {

// The first argument after the program's own name, or nothing.
std::u16string FileFromCommandLine() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr) {
        return {};
    }
    std::u16string file = count > 1 ? quorvane::FromWide(args[1]) : std::u16string();
    LocalFree(args);
    return file;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    const HRESULT com = CoInitialize(nullptr);  // a failure is ignored: the tool runs on
    const std::u16string helpPage = quorvane::GetAppDirectory() + u"help\\index.html";
    int status = 0;
    {
        quorvane::CWin32MainWindow window(helpPage);
        quorvane::CMainFrame frame(window, quorvane::DefaultDatabasePath(), helpPage);
        window.AttachFrame(&frame);
        if (window.Create()) {
            window.PlaceAndShow(showCommand);
            const std::u16string file = FileFromCommandLine();
            if (!file.empty()) {
                frame.OnOpenFile(file);
            }
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        } else {
            // No window could be made: nothing would ever end the process otherwise.
            status = 1;
        }
        // The frame waits for a run still going as it is destroyed; the window must no longer
        // send it anything by then.
        window.AttachFrame(nullptr);
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return status;
}
