// A scripted stand-in for the window: answers come from queues the test fills, every call is
// recorded, and posted callables wait in a queue that the test's own thread (the "window
// thread") runs.
#ifndef QUORVANE_TESTS_UI_FAKE_WINDOW_H_
#define QUORVANE_TESTS_UI_FAKE_WINDOW_H_

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/window_port.h"

namespace quorvane::test {

class FakeWindow : public IWindowPort {
  public:
    struct Message {
        std::u16string text;
        MessageButtons buttons;
    };

    // Scripted answers, consumed front first. A Yes/No box or chooser without a scripted answer
    // fails the test (and answers No / Cancel).
    std::deque<MessageAnswer> yesNoAnswers;
    std::deque<std::optional<std::u16string>> openAnswers;
    std::deque<std::optional<std::u16string>> saveAnswers;

    // What happened, in order. Every window call but PostToWindowThread is also logged in calls
    // as a short text ("menu 32777 grayed", "timer 1025 1000", "kill 1025", "count 3",
    // "repaint", "message", "open", "save", "system <path>", "help <path>", "about", "destroy").
    // Status texts are kept apart, in statusTexts.
    std::vector<Message> messages;
    std::vector<std::string> calls;
    std::map<int, MenuState> menu;
    std::vector<std::size_t> itemCounts;
    // Called inside RepaintListNow, where a real list would ask for its visible cells.
    std::function<void()> onRepaint;
    std::vector<std::u16string> statusTexts;
    // The list's selection as GetSelectedRows reports it; SelectAllRows fills it from the last
    // item count. clipboard holds what SetClipboardText put there ("clipboard" in calls).
    std::vector<std::size_t> selectedRows;
    std::optional<std::u16string> clipboard;
    // What OpenWithSystem answers: false plays a system without a browser.
    bool systemOpens = true;
    bool timerRunning = false;
    bool destroyed = false;

    FakeWindow() : m_owner(std::this_thread::get_id()) {}

    MessageAnswer ShowMessage(std::u16string_view text, MessageButtons buttons) override;
    std::optional<std::u16string> ChooseFileToOpen() override;
    std::optional<std::u16string> ChooseFileToSave() override;
    void SetMenuState(int commandId, MenuState state) override;
    void StartTimer(int timerId, int periodMs) override;
    void KillTimer(int timerId) override;
    void SetListItemCount(std::size_t count) override;
    void RepaintListNow() override;
    std::vector<std::size_t> GetSelectedRows() override;
    void SelectAllRows() override;
    void SetClipboardText(std::u16string_view text) override;
    void PostToWindowThread(std::function<void()> fn) override;
    void SetStatusText(std::u16string_view text) override;
    bool OpenWithSystem(std::u16string_view pathOrUrl) override;
    void ShowHelpPage(std::u16string_view path) override;
    void ShowAboutDialog() override;
    void DestroyWindow() override;

    // The window thread's loop: runs posted callables as they arrive until done() holds (checked
    // after each batch) or the timeout passes. Returns done()'s last answer.
    bool PumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds timeout = std::chrono::seconds(60));
    // Runs whatever is posted right now. Returns how many callables ran.
    int RunPosted();

    // The texts of every message shown so far.
    std::vector<std::u16string> MessageTexts() const;

  private:
    // Every call must come from the thread that made the fake (the window's thread), and none
    // may come after DestroyWindow.
    void Record(std::string call);

    std::thread::id m_owner;
    std::mutex m_postMutex;
    std::condition_variable m_posted;
    std::deque<std::function<void()>> m_queue;
};

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_UI_FAKE_WINDOW_H_
