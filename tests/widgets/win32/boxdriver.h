#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "widgets/win32/win32api.h"

namespace kelvane::win32::test {

// Runs the program's message loop until `done` holds; gives up after about ten seconds, so that
// a test that waits for something that never comes fails instead of hanging. Returns `done()`.
bool PumpUntil(const std::function<bool()>& done);

// A system dialog (a message box or the Save dialog) as the driver found it open.
struct SeenBox {
    std::string title;
    std::string text;  // a message box's text
    HICON icon = nullptr;
    bool closeBox = false;  // its close box can be clicked
};

// Answers the real modal dialogs of this thread as they open, in the order scripted: a thread
// timer, which the dialog's own modal loop dispatches, finds each new dialog window and runs the
// next scripted action on it. A dialog nobody expected is counted and closed.
class BoxDriver {
  public:
    using Action = std::function<void(HWND box)>;

    BoxDriver();
    ~BoxDriver();
    BoxDriver(const BoxDriver&) = delete;
    BoxDriver& operator=(const BoxDriver&) = delete;

    void Expect(Action action) { script_.push_back(std::move(action)); }
    bool Done() const { return next_ == script_.size(); }

    std::vector<SeenBox> seen;
    // Dialogs nobody expected, and dialogs still open a second after their action (closed
    // then, so that the test fails instead of hanging).
    int unexpected = 0;

    // Actions: press a button by its id; press a key on the dialog's focused control; click the
    // close box.
    static Action Press(int id);
    static Action Key(WPARAM key);
    static Action CloseBox();

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Look();

    std::vector<Action> script_;
    std::size_t next_ = 0;
    std::map<HWND, int> handled_;  // each dialog acted on, with the ticks since
    UINT_PTR timer_ = 0;
};

}  // namespace kelvane::win32::test
