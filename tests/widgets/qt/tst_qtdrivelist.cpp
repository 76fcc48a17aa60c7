#include "widgets/qt/qtdrivelist.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <filesystem>

#include "qttestapp.h"
#include "tempfolder.h"
#include "widgets/drives.h"
#include "widgets/folderpath.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {
namespace {

TEST(QtDriveListTest, ListsTheRootFirstAndNoSystemMounts) {
    const std::vector<std::string> volumes = ListDrives();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front(), "/");
    for (const std::string& volume : volumes) {
        EXPECT_NE(volume.rfind("/proc", 0), 0u) << volume;
        EXPECT_NE(volume.rfind("/sys", 0), 0u) << volume;
        EXPECT_NE(volume.rfind("/dev", 0), 0u) << volume;
    }
}

TEST(QtDriveListTest, ChoosesTheVolumeHoldingAPathAndTheFolderListOpensIt) {
    QtDriveList drives;
    int changes = 0;
    QObject::connect(&drives, &QtDriveList::Change, [&] { ++changes; });
    drives.SetDrive(std::filesystem::current_path().string());
    const std::string drive = drives.Drive();
    EXPECT_EQ(std::filesystem::current_path().string().rfind(drive, 0), 0u);
    EXPECT_EQ(changes, 0);  // only the user's pick raises the change

    QtFolderList folders;
    folders.SetPath(drive);
    EXPECT_EQ(folders.Path(), drive);

    EXPECT_THROW(drives.SetDrive(""), WidgetError);
    EXPECT_EQ(drives.Drive(), drive);
}

// The user opens the list and picks the entry that is already chosen.
void PickShownDrive(QtDriveList& drives) {
    drives.showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(drives.view()->window()));
    QTest::keyClick(drives.view(), Qt::Key_Return);
}

TEST(QtDriveListTest, PickingTheChosenDriveAgainOpensIt) {
    // Started in a folder that went away: the folder list has nothing open, and on a machine
    // with one drive picking that drive is the only way out.
    test::TempFolder start;
    const std::string gone = start.MakeFolder("gone");
    std::filesystem::remove(gone);
    QWidget window;
    auto* drives = new QtDriveList(&window);
    auto* folders = new QtFolderList(&window);
    new QVBoxLayout(&window);
    window.layout()->addWidget(drives);
    window.layout()->addWidget(folders);
    drives->SetDrive(start.Text());
    EXPECT_THROW(folders->SetPath(gone), WidgetError);
    ASSERT_EQ(folders->count(), 0);
    int changes = 0;
    QObject::connect(drives, &QtDriveList::Change, [&] {
        ++changes;
        folders->SetPath(drives->Drive());
    });
    ASSERT_TRUE(test::ShowActive(window));

    const std::string drive = drives->Drive();
    PickShownDrive(*drives);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(drives->Drive(), drive);
    EXPECT_EQ(folders->Path(), NormalFolder(drive));

    PickShownDrive(*drives);  // and again: every pick opens the drive afresh
    EXPECT_EQ(changes, 2);
}

// A drive list with two more volumes than the machine has, so that a notch could move.
class MoreVolumes : public QtDriveList {
  public:
    explicit MoreVolumes(QWidget* parent) : QtDriveList(parent) { FillDrives(); }

  protected:
    std::vector<std::string> ReadDrives() const override {
        std::vector<std::string> volumes = ListDrives();
        volumes.insert(volumes.end(), {"/media/kelvane-a", "/media/kelvane-b"});
        return volumes;
    }
};

TEST(QtDriveListTest, TheMouseWheelNeverChangesTheDrive) {
    QWidget window;
    auto* drives = new MoreVolumes(&window);
    auto* other = new QPushButton("other", &window);
    new QVBoxLayout(&window);
    window.layout()->addWidget(drives);
    window.layout()->addWidget(other);
    drives->SetDrive("/media/kelvane-a/data");
    ASSERT_EQ(drives->Drive(), "/media/kelvane-a");
    int changes = 0;
    QObject::connect(drives, &QtDriveList::Change, [&] { ++changes; });
    ASSERT_TRUE(test::ShowActive(window));

    for (QWidget* focused : {static_cast<QWidget*>(other), static_cast<QWidget*>(drives)}) {
        focused->setFocus(Qt::OtherFocusReason);
        for (const int notch : {-120, 120, -120}) {
            const QPointF centre = drives->rect().center();
            QWheelEvent wheel(centre, drives->mapToGlobal(centre), QPoint(), QPoint(0, notch),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(drives, &wheel);
        }
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(drives->Drive(), "/media/kelvane-a");
    EXPECT_EQ(drives->currentText().toStdString(), "/media/kelvane-a");
}

}  // namespace
}  // namespace kelvane::qt
