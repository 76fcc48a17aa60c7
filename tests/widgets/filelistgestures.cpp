#include <memory>
#include <string>
#include <vector>

#include "listcontract.h"
#include "tempfolder.h"

namespace kelvane::test {

const std::vector<GestureCase>& RefusedFileGestures() {
    using Hand = FileListHand;
    static const std::vector<GestureCase> gestures = {
        // Ctrl+click on an accepted file, then Shift+click: the earlier picks stay.
        {"CtrlAcceptedThenShift",
         {{0, Hand::kNone}, {2, Hand::kCtrl}, {3, Hand::kCtrl}, {5, Hand::kShift}},
         {0, 2, 3, 4, 5}},
        // The same with a Ctrl+click on the refused file instead: the same earlier picks stay.
        {"CtrlRefusedThenShift",
         {{0, Hand::kNone}, {2, Hand::kCtrl}, {1, Hand::kCtrl}, {5, Hand::kShift}},
         {0, 2, 3, 4, 5}},
        {"CtrlRefusedThenCtrl", {{0, Hand::kNone}, {1, Hand::kCtrl}, {4, Hand::kCtrl}}, {0, 4}},
        // A Shift range over the refused file still shrinks and grows from its anchor.
        {"ShiftOverRefusedThenShorter",
         {{0, Hand::kNone}, {5, Hand::kShift}, {3, Hand::kShift}},
         {0, 2, 3}},
        {"ShiftOverRefusedThenLonger",
         {{0, Hand::kNone}, {3, Hand::kShift}, {6, Hand::kShift}},
         {0, 2, 3, 4, 5, 6}},
        {"RefusedThenShift", {{1, Hand::kNone}, {4, Hand::kShift}}, {2, 3, 4}},
        {"ArrowKeyThenShift",
         {{2, Hand::kNone}, {Hand::kDownKey, Hand::kNone}, {5, Hand::kShift}},
         {3, 4, 5}},
        {"CtrlOffAfterShiftOverRefused",
         {{0, Hand::kNone}, {4, Hand::kShift}, {3, Hand::kCtrl}, {6, Hand::kShift}},
         {0, 2, 3, 4, 5, 6}},
    };
    return gestures;
}

std::string GestureName(const testing::TestParamInfo<RefusedFilesTest::ParamType>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

// Each release unselects the refused file, b.exe (row 1), as the merge-list rebuild does. One
// gesture gives one result, whether a refused file was clicked before it or not: the same as if
// the refused file had never been picked.
TEST_P(RefusedFilesTest, AGestureGivesTheSameResultAfterAnUnselect) {
    TempFolder folder;
    for (const char* name : {"a.txt", "b.exe", "c.SQL", "d.txt", "e.txt", "f.txt", "g.txt"}) {
        folder.Write(name, "");
    }
    const std::unique_ptr<FileListHand> hand = std::get<0>(GetParam()).make(folder.Text());
    FileList& files = hand->Files();
    ASSERT_EQ(files.List(1), "b.exe");
    hand->OnMouseUp([&files] {
        if (files.Selected(1)) {
            files.SetSelected(1, false);
        }
    });
    for (const auto& [row, keys] : std::get<1>(GetParam()).clicks) {
        hand->Click(row, keys);
    }
    std::vector<int> selected;
    for (int i = 0; i < files.ListCount(); ++i) {
        if (files.Selected(i)) {
            selected.push_back(i);
        }
    }
    EXPECT_EQ(selected, std::get<1>(GetParam()).selected);
}

}  // namespace kelvane::test
