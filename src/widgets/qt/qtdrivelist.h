#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "widgets/drivelist.h"

namespace kelvane::qt {

// The volumes a user browses: the root and the mounted file systems that hold user data
// (pseudo, system and snapshot file systems left out). Drive() is the chosen volume's top
// folder, which a folder list accepts as its Path. The list is read afresh each time it opens.
//
// Change is emitted each time the user picks a volume, the chosen one included, so a pick
// always opens it; SetDrive, called by the program, emits nothing. The mouse wheel over the
// closed list picks nothing (it scrolls only the open list's entries): an accidental notch
// would move the folder and file lists away and lose the user's picks.
class QtDriveList : public QComboBox, public DriveList {
    Q_OBJECT

  public:
    explicit QtDriveList(QWidget* parent = nullptr);

    std::string Drive() const override;
    // Chooses the volume that holds `drive` (a volume's top folder or any path inside one).
    // Raises WidgetError when no listed volume holds it.
    void SetDrive(const std::string& drive) override;

    // The top folders of the volumes to list, the root first.
    static std::vector<std::string> Volumes();

    void showPopup() override;

  protected:
    void wheelEvent(QWheelEvent* event) override;

  signals:
    void Change();

  private:
    void Fill();
    void OnActivated(int index);

    std::string drive_;
};

}  // namespace kelvane::qt
