#pragma once

#include <string>
#include <vector>

#include "widgets/drivelist.h"
#include "widgets/driverows.h"

namespace kelvane::test {

// A drive list on the shared rules over the drives the test lists, drawn in memory.
class FakeDriveRows : public DriveRows {
  public:
    explicit FakeDriveRows(std::vector<std::string> listed) : listed_(std::move(listed)) {
        FillDrives();
    }

    // The user opens the list and picks a row, which the list then shows chosen.
    void Pick(int row) {
        FillDrives();
        chosen = row;
        PickRow(row);
    }

    std::vector<std::string> shown;
    int chosen = -1;
    int changes = 0;

  protected:
    std::vector<std::string> ReadDrives() const override { return listed_; }
    void ShowDrives(const std::vector<std::string>& drives, int row) override {
        shown = drives;
        chosen = row;
    }
    void ShowChosen(int row) override { chosen = row; }
    void RaiseChange() override { ++changes; }

  private:
    std::vector<std::string> listed_;
};

}  // namespace kelvane::test
