#pragma once

#include <QPushButton>

namespace kelvane::qt {

// A command button of our windows.
//
// The access key (Alt with the letter marked by "&") and the mouse follow one rule: the focus
// moves to the button, the LostFocus that the move raised in the control left behind runs to
// its end (message box included) before anything else, and the button clicks only if it still
// has the focus then. So when that handler puts the focus back (a failed entry check), the click
// never runs: not behind the handler's message box, not while it is open, not after it. The
// mouse press is spent in that case, so the rule holds even when the press and the release
// arrive together. Enter and Space click the button that has the focus, after that LostFocus
// too, so a key typed ahead right after Tab follows the same rule; a button is never a window's
// default button.
//
// A button told to click when the focus is taken back (its description's
// clicksWhenFocusTakenBack) clicks in that case too, once the handler has returned.
class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    explicit CommandButton(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetClicksWhenFocusTakenBack(bool clicks) { clicksWhenFocusTakenBack_ = clicks; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // Runs the queued calls, among them a LostFocus raised by the focus just moving here.
    static void RunPendingFocusLoss();
    // The button is its window's focus widget, whether or not the window is active: a press
    // on a window that the window system hasn't activated yet moves the focus all the same.
    bool HoldsFocus() const;

    bool clicksWhenFocusTakenBack_ = false;
};

}  // namespace kelvane::qt
