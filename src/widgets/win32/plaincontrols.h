#pragma once

#include "control.h"

namespace kelvane::win32 {

// The controls the program reaches by no widget interface: labels, the frame, the lines of the
// About dialog's etched separator, the picture box and the tab control.

// A text that takes no focus, in the described colour, wrapped at word boundaries when the
// description says so.
class Label : public Control {
  public:
    using Control::Control;
    bool Make(HWND form, int id) override;
};

// A plain frame with no caption around the controls that name it as their container.
class FrameControl : public Control {
  public:
    using Control::Control;
    bool Make(HWND form, int id) override;
};

// A straight line in the described colour and width; mouse clicks pass through it.
class LineControl : public Control {
  public:
    using Control::Control;
    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
};

// Shows a 32x32 picture (at 96 dpi) centred in its rectangle; takes the focus when it has a
// tab index, showing it with a dotted frame.
class PictureBox : public Control {
  public:
    using Control::Control;
    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    int side_ = 32;
};

// The tab control: one tab per described caption, page 0 shown first. Picking a tab (mouse or
// arrow keys) shows that page's controls and hides the others'.
class TabControl : public Control {
  public:
    using Control::Control;
    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
    LRESULT OnNotify(const NMHDR& header) override;
    int CurrentPage() const;
    void SetCurrentPage(int page);
};

}  // namespace kelvane::win32
