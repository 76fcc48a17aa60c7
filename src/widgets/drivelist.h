#pragma once

#include <string>

namespace kelvane {

// The volumes a user browses: drive letters on Windows, elsewhere the root and the mounted
// file systems that hold user data. Drive() is a text that a FolderList accepts as its Path.
// Its change event is raised when the user picks another drive.
class DriveList {
  public:
    virtual ~DriveList() = default;

    virtual std::string Drive() const = 0;
    virtual void SetDrive(const std::string& drive) = 0;
};

}  // namespace kelvane
