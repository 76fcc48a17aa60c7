#pragma once

#include <map>
#include <string>
#include <vector>

#include "fontcache.h"
#include "widgets/windowcore.h"
#include "win32api.h"
#include "windowbuilder.h"

namespace kelvane::win32 {

class Control;

// A window of ours built with native controls from its description: a fixed dialog border
// with a close box only, the menu bar above a client area of the described size, and every
// control at its place, converted edge by edge from twips at the window's DPI (the monitor's,
// unless one is given), in the described fonts; laid out afresh when it moves to a monitor of
// another scale (WM_DPICHANGED).
//
// Every control is a direct child of the window; the tab control and the frame are drawn under
// the controls that name them as their container, and only the shown page's controls are
// visible. Because the Tab order of the description crosses containers (Merge lies between the
// lists of page "Text Files"), the window moves the focus itself, in that order, rather than
// by the native z-order; Enter, Esc and access keys are handled here too (see PreTranslate).
//
// The window is owned by the toolkit's hidden window, so it has no taskbar button. The close box
// clicks the cancel button where there is one, else unloads the window.
class Win32Window : public WindowCore {
  public:
    // `owner` is the toolkit's hidden window; `dpi` 0 for the DPI of the monitor the window
    // opens on. Raises WidgetError when the window can't be built.
    Win32Window(const FormDesign& design, HWND owner, int dpi);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void Show() override;
    void ShowModal() override;
    void Unload() override;
    std::uintptr_t NativeHandle() const override;

    HWND Hwnd() const { return hwnd_; }
    bool Unloaded() const { return unloaded_; }
    // The control of that name, or the one a native window belongs to; nullptr for none.
    Control* Find(const std::string& name) const;
    Control* ControlOf(HWND hwnd) const;
    // The controls that take the focus, in Tab order.
    const std::vector<Control*>& TabOrder() const { return tabOrder_; }

    // The window of ours that a native window belongs to; nullptr for none.
    static Win32Window* FromHandle(HWND hwnd);

    // A text box lost the focus to another control of this window: its LostFocus runs at the
    // next turn of the loop, or earlier when a button is about to be clicked.
    void QueueLostFocus(Control& box);
    // Runs a queued LostFocus now, if the focus is still on another control of this window.
    // Returns whether one ran.
    bool FlushLostFocus();
    // A button is being clicked (mouse, Space, Enter or access key): a pending LostFocus runs
    // first, and when its handler took the focus back from the button, the click is dropped
    // (unless the button's description says it clicks then too).
    void Click(Control& button);
    // The keyboard of the window: Tab and Shift+Tab, Enter, Esc and Alt with an access letter.
    // Returns whether `message` was used.
    bool PreTranslate(const MSG& message);
    // Shows the controls of one page of a tab control and hides those of its other pages.
    void ShowPage(const std::string& tabControl, int page);
    // Lays the window out afresh at `dpi`, with fonts and pictures made for it: in `suggested`
    // where given (the frame Windows proposes when the window moves to a monitor of another
    // scale), its size then corrected to the described client area.
    void LayOut(int dpi, const RECT* suggested = nullptr);

  protected:
    std::string LabelText(const ControlDesign& label) const override;
    void SetLabelText(const ControlDesign& label, const std::string& caption) override;
    void ShowPageOf(const ControlDesign& tabs, int page) override;

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColor(HDC dc, HWND control);
    void MoveFocus(bool backwards);
    void FocusFirst();
    Control* ButtonWithAccessKey(wchar_t letter) const;
    void EnableOthers(bool enable);
    void Destroy();

    HWND hwnd_ = nullptr;  // set by Proc as the window is made
    BuiltWindow built_;
    bool unloaded_ = false;
    bool modal_ = false;
    HWND savedFocus_ = nullptr;
    Control* pendingLostFocus_ = nullptr;
    std::vector<HWND> disabled_;
    FontCache fonts_;
    std::map<std::string, Control*> byName_;
    std::map<HWND, Control*> byHwnd_;
    std::vector<Control*> tabOrder_;
};

}  // namespace kelvane::win32
