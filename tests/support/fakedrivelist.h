#pragma once

#include <string>

#include "widgets/drivelist.h"

namespace kelvane::test {

class FakeDriveList : public DriveList {
  public:
    std::string Drive() const override { return drive; }
    void SetDrive(const std::string& text) override { drive = text; }

    std::string drive;
};

}  // namespace kelvane::test
