#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "widgets/driverows.h"

namespace kelvane::qt {

// The volumes a user browses (ListDrives), as DriveRows keeps them. Drive() is the
// chosen volume's top folder, which a folder list accepts as its Path. The list is read afresh
// each time it opens.
//
// The mouse wheel over the closed list picks nothing (it scrolls only the open list's entries):
// an accidental notch would move the folder and file lists away and lose the user's picks.
class QtDriveList : public QComboBox, public DriveRows {
    Q_OBJECT

  public:
    explicit QtDriveList(QWidget* parent = nullptr);

    void showPopup() override;

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void ShowDrives(const std::vector<std::string>& drives, int chosen) override;
    void ShowChosen(int row) override;
    void RaiseChange() override { emit Change(); }

  signals:
    void Change();
};

}  // namespace kelvane::qt
