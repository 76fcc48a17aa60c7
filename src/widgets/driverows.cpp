#include "driverows.h"

#include <algorithm>

#include "widgets/drives.h"
#include "widgets/folderpath.h"
#include "widgets/widgeterror.h"

namespace kelvane {

void DriveRows::SetDrive(const std::string& drive) {
    const std::string path = NormalFolder(drive);  // raises WidgetError for no path at all
    int best = -1;
    for (std::size_t row = 0; row < drives_.size(); ++row) {
        const std::string& top = drives_[row];
        if (FolderHolds(top, path) &&
            (best < 0 || top.size() > drives_[static_cast<std::size_t>(best)].size())) {
            best = static_cast<int>(row);
        }
    }
    if (best < 0) {
        throw WidgetError("no drive holds " + drive);
    }
    drive_ = drives_[static_cast<std::size_t>(best)];
    ShowChosen(best);
}

std::vector<std::string> DriveRows::ReadDrives() const {
    return ListDrives();
}

void DriveRows::FillDrives() {
    drives_ = ReadDrives();
    if (!drive_.empty() && ChosenRow() < 0) {
        drives_.push_back(drive_);  // chosen before it went away
    }
    if (drive_.empty() && !drives_.empty()) {
        drive_ = drives_.front();
    }
    ShowDrives(drives_, ChosenRow());
}

void DriveRows::PickRow(int row) {
    if (row < 0 || row >= static_cast<int>(drives_.size())) {
        return;
    }
    drive_ = drives_[static_cast<std::size_t>(row)];
    RaiseChange();
}

int DriveRows::ChosenRow() const {
    const auto found = std::find(drives_.begin(), drives_.end(), drive_);
    return found == drives_.end() ? -1 : static_cast<int>(found - drives_.begin());
}

}  // namespace kelvane
