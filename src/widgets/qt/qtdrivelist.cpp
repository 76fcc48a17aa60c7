#include "qtdrivelist.h"

#include <QWheelEvent>

#include "localtext.h"

namespace kelvane::qt {

QtDriveList::QtDriveList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    FillDrives();
    connect(this, &QComboBox::activated, this, [this](int row) { PickRow(row); });
}

void QtDriveList::ShowDrives(const std::vector<std::string>& drives, int chosen) {
    const QSignalBlocker blocker(this);
    clear();
    for (const std::string& drive : drives) {
        addItem(FromLocal(drive));
    }
    setCurrentIndex(chosen);
}

void QtDriveList::ShowChosen(int row) {
    const QSignalBlocker blocker(this);
    setCurrentIndex(row);
}

void QtDriveList::showPopup() {
    FillDrives();
    QComboBox::showPopup();
}

void QtDriveList::wheelEvent(QWheelEvent* event) {
    // A notch of the wheel passing over the closed list is no pick: left to the controls below.
    event->ignore();
}

}  // namespace kelvane::qt
