#pragma once

#include <QPushButton>

namespace kelvane::qt {

// A command button of our windows.
//
// Its access key (Alt with the letter marked by "&") first moves the focus to the button and
// then clicks it, queued after the focus change, and only if the button still has the focus at
// that moment. So when moving the focus raises a LostFocus whose handler puts the focus back
// (a failed entry check), the click doesn't run, just as a mouse click doesn't when its press
// led to the same. A mouse press first lets a pending LostFocus run, so the rule holds even when
// the press and the release arrive together. Enter and Space click the button that has the focus; a
// button is never a window's default button.
class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    explicit CommandButton(const QString& caption = QString(), QWidget* parent = nullptr);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void ClickIfFocused();
};

}  // namespace kelvane::qt
