#pragma once

#include <string>

#include "widgets/formdesign.h"
#include "widgets/mouseevent.h"
#include "widgets/twips.h"
#include "widgets/window.h"
#include "win32api.h"

namespace kelvane::win32 {

class Win32Window;

// One native control of a window of ours. It owns its HWND's subclass: messages for the control
// reach OnMessage first, and what it doesn't take goes on to the control's own procedure. The
// window (its parent) hands on the notifications it receives for the control: OnCommand,
// OnNotify and OnDrawItem. The HWND is destroyed with the window; at WM_NCDESTROY the subclass
// is removed and Hwnd() becomes null.
class Control {
  public:
    Control(Win32Window& window, const ControlDesign& design);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Hwnd() const { return hwnd_; }
    const ControlDesign& Design() const { return design_; }
    const std::string& Name() const { return design_.name; }
    Win32Window& Window() const { return window_; }

    // Makes the native window (a Unicode one) as a child of `parent`, with the control id `id`,
    // and subclasses it. Returns false when the platform made no window.
    bool Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text,
                HWND parent, int id);

    // Takes the focus with the keyboard (Tab, an access key): edit boxes select their text.
    virtual void FocusByKeyboard();
    // Whether Enter belongs to the control while it has the focus (and so never goes to the
    // window's default button).
    virtual bool WantsEnter() const { return false; }
    // Whether Esc belongs to the control (a drive list with its list dropped down).
    virtual bool WantsEscape() const { return false; }
    // Makes the native control as a child of the window `form`, with the control id `id`.
    virtual bool Make(HWND form, int id) = 0;
    // Puts the control at `place` in the window's client area, once its font is set (at
    // creation and whenever the window's DPI changes).
    virtual void Place(const PixelRect& place, int dpi);

    virtual void OnCommand(WORD /*code*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }

  protected:
    // The control's messages; the default passes them on to the native procedure.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Hands a message of ours straight to the control's own procedure, past every subclass (ours
    // and the tooltip's): for the many messages of a bulk change, which none of them needs to
    // see. Under wine each message through a subclass costs a look-up in the server.
    LRESULT Direct(UINT message, WPARAM wParam, LPARAM lParam) const;
    void Raise(Event event, const MouseEvent& mouse = {});

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

    Win32Window& window_;
    const ControlDesign& design_;
    HWND hwnd_ = nullptr;
    WNDPROC classProc_ = nullptr;
};

// The mouse event of a button message at the pointer position `lParam`.
MouseEvent ToMouseEvent(UINT message, WPARAM wParam, LPARAM lParam);

// The text of a native window, in UTF-8.
std::string WindowText(HWND hwnd);
// Shows a text of the program (UTF-8) as a native window's text; bytes that aren't UTF-8 show as
// U+FFFD.
void SetWindowTextShown(HWND hwnd, const std::string& text);

}  // namespace kelvane::win32
