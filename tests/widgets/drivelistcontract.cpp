#include <string>
#include <vector>

#include "listcontract.h"
#include "widgets/folderpath.h"
#include "widgets/widgeterror.h"

namespace kelvane::test {
namespace {

// The program chooses the drive of a path: the listed drive holding it, the deepest where the
// drives nest, and no change is raised for it. Each pick of the user is a change, the chosen
// drive's too: it is how a drive whose folder went away is opened afresh. A turn of the wheel is
// none.
TEST_P(DriveListContract, OnlyThePicksOfTheUserAreChanges) {
    const std::unique_ptr<DriveListHand> hand = GetParam().make();
    DriveList& drives = hand->Drives();
    const std::vector<std::string> shown = hand->Shown();
    ASSERT_GE(shown.size(), 2u);
    for (std::size_t row = shown.size(); row-- > 0;) {
        SCOPED_TRACE(shown[row]);
        drives.SetDrive(InFolder(shown[row], "kelvane-data"));
        EXPECT_EQ(drives.Drive(), shown[row]);
        EXPECT_EQ(hand->ShownChosen(), static_cast<int>(row));
    }
    EXPECT_THROW(drives.SetDrive(""), WidgetError);
    EXPECT_EQ(drives.Drive(), shown[0]);
    hand->Wheel();
    EXPECT_EQ(hand->Changes(), 0);
    EXPECT_EQ(drives.Drive(), shown[0]);
    EXPECT_EQ(hand->ShownChosen(), 0);
    hand->KeyDown();
    EXPECT_EQ(hand->Changes(), 1);
    EXPECT_EQ(drives.Drive(), shown[1]);
    hand->PickChosenAgain();
    EXPECT_EQ(hand->Changes(), 2);
    EXPECT_EQ(drives.Drive(), shown[1]);
    EXPECT_EQ(hand->ShownChosen(), 1);
}

}  // namespace
}  // namespace kelvane::test
