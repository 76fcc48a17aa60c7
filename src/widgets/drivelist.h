#pragma once

#include <string>

namespace kelvane {

// The volumes a user browses: drive letters on Windows, elsewhere the root and the mounted
// file systems that hold user data. Drive() is a text that a FolderList accepts as its Path.
// Its change event is raised each time the user picks a drive, the chosen one included (picking
// it again opens it afresh); a turn of the mouse wheel is no pick. SetDrive chooses the drive
// that holds a path (a drive's text or any folder on it) and raises no change.
class DriveList {
  public:
    virtual ~DriveList() = default;

    virtual std::string Drive() const = 0;
    virtual void SetDrive(const std::string& drive) = 0;
};

}  // namespace kelvane
