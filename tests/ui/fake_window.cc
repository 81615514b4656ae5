#include "tests/ui/fake_window.h"

#include <gtest/gtest.h>

#include <utility>

namespace quorvane::test {

namespace {

std::string Narrow(std::u16string_view text) {
    // Test paths and texts logged here are ASCII; anything else is only for display.
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

}  // namespace

void FakeWindow::Record(std::string call) {
    EXPECT_EQ(std::this_thread::get_id(), m_owner) << "window call off the window thread: " << call;
    EXPECT_FALSE(destroyed) << "window call after DestroyWindow: " << call;
    calls.push_back(std::move(call));
}

MessageAnswer FakeWindow::ShowMessage(std::u16string_view text, MessageButtons buttons) {
    Record("message");
    messages.push_back({std::u16string(text), buttons});
    if (buttons == MessageButtons::kOk) {
        return MessageAnswer::kOk;
    }
    if (yesNoAnswers.empty()) {
        ADD_FAILURE() << "unscripted Yes/No question";
        return MessageAnswer::kNo;
    }
    MessageAnswer answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<std::u16string> FakeWindow::ChooseFileToOpen() {
    Record("open");
    if (openAnswers.empty()) {
        ADD_FAILURE() << "unscripted Open chooser";
        return std::nullopt;
    }
    auto answer = std::move(openAnswers.front());
    openAnswers.pop_front();
    return answer;
}

std::optional<std::u16string> FakeWindow::ChooseFileToSave() {
    Record("save");
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "unscripted Save chooser";
        return std::nullopt;
    }
    auto answer = std::move(saveAnswers.front());
    saveAnswers.pop_front();
    return answer;
}

void FakeWindow::SetMenuState(int commandId, MenuState state) {
    Record("menu " + std::to_string(commandId) +
           (state == MenuState::kGrayed ? " grayed" : " enabled"));
    menu[commandId] = state;
}

void FakeWindow::StartTimer(int timerId, int periodMs) {
    Record("timer " + std::to_string(timerId) + " " + std::to_string(periodMs));
    timerRunning = true;
}

void FakeWindow::KillTimer(int timerId) {
    Record("kill " + std::to_string(timerId));
    timerRunning = false;
}

void FakeWindow::SetListItemCount(std::size_t count) {
    Record("count " + std::to_string(count));
    itemCounts.push_back(count);
}

std::vector<std::size_t> FakeWindow::GetSelectedRows() {
    Record("selection");
    return selectedRows;
}

void FakeWindow::SelectAllRows() {
    Record("select all");
    selectedRows.clear();
    for (std::size_t i = 0; i < (itemCounts.empty() ? 0 : itemCounts.back()); ++i) {
        selectedRows.push_back(i);
    }
}

void FakeWindow::SetClipboardText(std::u16string_view text) {
    Record("clipboard");
    clipboard = std::u16string(text);
}

void FakeWindow::RepaintListNow() {
    Record("repaint");
    if (onRepaint) {
        onRepaint();
    }
}

void FakeWindow::PostToWindowThread(std::function<void()> fn) {
    std::lock_guard lock(m_postMutex);
    m_queue.push_back(std::move(fn));
    m_posted.notify_all();
}

void FakeWindow::SetStatusText(std::u16string_view text) {
    EXPECT_EQ(std::this_thread::get_id(), m_owner) << "status text off the window thread";
    EXPECT_FALSE(destroyed) << "status text after DestroyWindow";
    statusTexts.emplace_back(text);
}

bool FakeWindow::OpenWithSystem(std::u16string_view pathOrUrl) {
    Record("system " + Narrow(pathOrUrl));
    return systemOpens;
}

void FakeWindow::ShowHelpPage(std::u16string_view path) {
    Record("help " + Narrow(path));
}

void FakeWindow::ShowAboutDialog() {
    Record("about");
}

void FakeWindow::DestroyWindow() {
    Record("destroy");
    destroyed = true;
}

int FakeWindow::RunPosted() {
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(m_postMutex);
        batch.swap(m_queue);
    }
    for (auto& fn : batch) {
        fn();
    }
    return static_cast<int>(batch.size());
}

bool FakeWindow::PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        RunPosted();
        if (done()) {
            return true;
        }
        std::unique_lock lock(m_postMutex);
        if (!m_posted.wait_until(lock, deadline, [this] { return !m_queue.empty(); })) {
            lock.unlock();
            return done();
        }
    }
}

std::vector<std::u16string> FakeWindow::MessageTexts() const {
    std::vector<std::u16string> texts;
    for (const Message& m : messages) {
        texts.push_back(m.text);
    }
    return texts;
}

}  // namespace quorvane::test
