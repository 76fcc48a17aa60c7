#pragma once

#include <string>
#include <vector>

#include "control.h"
#include "widgets/drivelist.h"

namespace kelvane::win32 {

// The drive letters of the system (GetLogicalDriveStringsW) in a drop-down list, read afresh
// each time the list drops down. Drive() is the chosen drive's top folder, as "C:\", which a
// folder list accepts as its Path.
//
// Change is raised each time the user picks a drive, the chosen one included: from the
// dropped-down list, or with the keyboard on the closed one. A turn of the mouse wheel over the
// closed list is no pick and changes nothing. SetDrive, called by the program, raises nothing.
class Win32DriveList : public Control, public DriveList {
  public:
    using Control::Control;

    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
    bool WantsEnter() const override { return Dropped(); }
    bool WantsEscape() const override { return Dropped(); }
    void OnCommand(WORD code) override;

    std::string Drive() const override { return drive_; }
    // Chooses the drive of `drive` (a drive's top folder or any path on it); WidgetError when
    // no listed drive holds it.
    void SetDrive(const std::string& drive) override;

    // The top folders of the system's drives, as "C:\".
    static std::vector<std::string> Drives();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Dropped() const;
    void Fill();
    void Pick();
    int IndexOf(const std::string& drive) const;

    std::vector<std::string> drives_;
    std::string drive_;
    bool typing_ = false;  // a key on the closed list is being handled
};

}  // namespace kelvane::win32
