#include "widgets/qt/qtdrivelist.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "qttestapp.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {
namespace {

TEST(QtDriveListTest, ListsTheRootFirstAndNoSystemMounts) {
    const std::vector<std::string> volumes = QtDriveList::Volumes();
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

}  // namespace
}  // namespace kelvane::qt
