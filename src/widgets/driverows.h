#pragma once

#include <string>
#include <vector>

#include "widgets/drivelist.h"

namespace kelvane {

// The DriveList contract over a toolkit's drop-down list of drives, for every toolkit: the drives
// as the toolkit reads them (each one's top folder), read afresh as the list opens, and the
// chosen one.
//
// - SetDrive chooses the listed drive whose top folder holds the path, the longest such (a path
//   relative to the process's current folder first made full), and raises no Change; a path that
//   no listed drive holds raises WidgetError.
// - A drive chosen before it went away stays listed, and chosen; with none chosen yet, the first
//   listed is.
// - Each pick of the user, the chosen drive's too, is a change: it is how the user opens a drive
//   whose folder list has nothing open (a start folder that can't be listed, one that went away).
//
// A toolkit's drive list derives from this, shows the drives and tells which one the user picked.
class DriveRows : public DriveList {
  public:
    std::string Drive() const final { return drive_; }
    void SetDrive(const std::string& drive) final;

  protected:
    // Reads the drives afresh and shows them, the chosen one chosen.
    void FillDrives();
    // The user picked the drive of a row.
    void PickRow(int row);
    // The row of the chosen drive; -1 for none.
    int ChosenRow() const;

    // The top folders of the drives to list, in order: the platform's (ListDrives).
    virtual std::vector<std::string> ReadDrives() const;
    // Shows these drives, and the one of `chosen` (-1 for none) chosen, raising nothing.
    virtual void ShowDrives(const std::vector<std::string>& drives, int chosen) = 0;
    virtual void ShowChosen(int row) = 0;
    virtual void RaiseChange() = 0;

  private:
    std::vector<std::string> drives_;
    std::string drive_;
};

}  // namespace kelvane
