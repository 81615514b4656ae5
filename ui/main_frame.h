// The main window's logic, free of any toolkit: the address table, the run state, the worker
// group and every command handler. It reaches the screen only through IWindowPort.
#ifndef QUORVANE_UI_MAIN_FRAME_H_
#define QUORVANE_UI_MAIN_FRAME_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "batch/address_table.h"
#include "batch/thread_group.h"
#include "ui/window_port.h"

namespace quorvane {

class CMainFrame {
public:
    // dbPath: the database the runs use (the frontend passes DefaultDatabasePath()); helpPath:
    // the local help page that Help opens.
    CMainFrame(IWindowPort& window, std::u16string dbPath, std::u16string helpPath);
    // Stops a run still going and waits for its workers and every waiter before any member is
    // destroyed.
    ~CMainFrame();
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The window exists: Stop is grayed.
    void OnCreate();

    // Dispatch by command identifier (ID_CMD_*). Returns false for an identifier it does not
    // handle (the frontend then does its default processing).
    bool OnCommand(int commandId);

    // A timer expiry: IDT_REFRESH repaints the list; any other identifier does nothing.
    void OnTimer(int timerId);

    // Close button, Alt+F4 and Exit: stops a run, waits for it (without deadlock against the
    // finished notification), then destroys the window.
    void OnClose();

    // The text of a visible cell; empty for a row or column out of range.
    std::u16string OnGetDispInfo(std::size_t row, int column) const;

    std::size_t GetRowCount() const;
    const CAddressTable& Table() const;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_MAIN_FRAME_H_
