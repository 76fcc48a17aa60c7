#pragma once

#include <string>
#include <vector>

#include "control.h"
#include "widgets/driverows.h"

namespace kelvane::win32 {

// The drive letters of the system (ListDrives) in a drop-down list, as DriveRows
// keeps them, read afresh each time the list drops down. Drive() is the chosen drive's top
// folder, as "C:\", which a folder list accepts as its Path.
//
// The user picks a drive from the dropped-down list, or with the keyboard on the closed one. A
// turn of the mouse wheel over the closed list is no pick and changes nothing.
class Win32DriveList : public Control, public DriveRows {
  public:
    using Control::Control;

    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
    bool WantsEnter() const override { return Dropped(); }
    bool WantsEscape() const override { return Dropped(); }
    void OnCommand(WORD code) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ShowDrives(const std::vector<std::string>& drives, int chosen) override;
    void ShowChosen(int row) override;
    void RaiseChange() override { Raise(Event::Change); }

  private:
    bool Dropped() const;
    void Pick();

    bool typing_ = false;  // a key on the closed list is being handled
};

}  // namespace kelvane::win32
