#pragma once

// What every list of the widget contract does alike, written once and run against each of them:
// the tests' double, the Qt toolkit's lists and, under wine, the Win32 toolkit's. A toolkit's test
// program compiles listcontract.cpp and instantiates the suites with its own makers:
//
//   INSTANTIATE_TEST_SUITE_P(Qt, ListWidgetContract, testing::Values(ListMaker{"Qt", ...}),
//                            test::ParamName<ListMaker>);

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "paramname.h"
#include "widgets/controlevents.h"
#include "widgets/drivelist.h"
#include "widgets/filelist.h"
#include "widgets/folderlist.h"
#include "widgets/listrows.h"
#include "widgets/mouseevent.h"
#include "widgets/msgbox.h"
#include "widgets/savedialog.h"

namespace kelvane::test {

// Makes, for one case, what a suite runs on: one implementation's widget, or a hand on it. Named
// in the tests' report.
template <typename Signature>
struct Maker {
    const char* name;
    std::function<Signature> make;
};

template <typename Signature>
void PrintTo(const Maker<Signature>& maker, std::ostream* out) {
    *out << maker.name;
}

// Makes an empty list widget of a style for one case. The pointer keeps alive whatever holds
// the list (a window).
using ListMaker = Maker<std::shared_ptr<ListWidget>(ListRows::Style)>;

class ListWidgetContract : public testing::TestWithParam<ListMaker> {};

// A folder list made for one case, with the count of the change events it raised; a toolkit's
// is on screen, with a user's hand on it (a double's takes no gestures).
struct FolderListMade {
    enum Gesture { kClick, kCtrlClick, kDoubleClick, kEnter, kCtrlSpace, kCtrlDown };

    std::shared_ptr<FolderList> list;
    std::shared_ptr<int> changes;
    // A gesture on the row of a folder index (-1 the open folder, -2 its parent; ListCount() the
    // space below the last row), or the keys alone.
    std::function<void(Gesture, int index)> act = {};
    // Characters typed in quick succession.
    std::function<void(const std::string&)> type = {};
    // The index of the one row drawn highlighted; ListCount() when none or several are.
    std::function<int()> drawn = {};
    // The heights of a folder row, of the file list's text rows and of a small picture with the
    // margin a row gives it.
    std::function<std::vector<int>()> heights = {};
};
using FolderListMaker = Maker<FolderListMade()>;

class FolderListContract : public testing::TestWithParam<FolderListMaker> {};

// A toolkit's list widget on screen after a control that takes the focus, and a user's hand on
// it. Rows are counted from the top row shown.
class ListHand {
  public:
    enum Act { kDown, kMove, kUp };

    virtual ~ListHand() = default;
    virtual ListWidget& List() = 0;
    // A mouse button (MouseEvent's) goes down, moves or comes up over a row's text or, with
    // `onBox`, over its check box; with MouseEvent's Shift keys held.
    virtual void Mouse(Act act, int row, int button, int keys = 0, bool onBox = false) = 0;
    // The pointer's height in the list over a row's middle, as the list's events give it.
    virtual int Y(int row) = 0;
    // The focus comes to the list from the control before it, as by the Tab key.
    virtual void TabIn() = 0;
    // Characters typed on the list in quick succession.
    virtual void Type(const std::string& typed) = 0;
    virtual void On(Event event, std::function<void(const MouseEvent&)> handler) = 0;
};

using ListHandMaker = Maker<std::unique_ptr<ListHand>(ListRows::Style)>;

// The lists of the hands a maker makes.
inline ListMaker ListsOf(const ListHandMaker& hands) {
    return {hands.name, [make = hands.make](ListRows::Style style) {
                std::shared_ptr<ListHand> hand = make(style);
                return std::shared_ptr<ListWidget>(hand, &hand->List());
            }};
}

class ListGestures : public testing::TestWithParam<ListHandMaker> {};

// A toolkit's file list on screen showing the files of a folder, and a user's hand on it.
class FileListHand {
  public:
    // The keys held, and instead of the primary button the secondary or the middle one.
    enum Keys { kNone = 0, kCtrl = 1, kShift = 2, kRight = 4, kMiddle = 8 };
    // Instead of a click's row: the Down arrow key, pressed on its own, or a character typed
    // with the keys held. The characters of one gesture come in quick succession.
    static constexpr int kDownKey = -1;
    static constexpr int Typed(char c) { return -2 - c; }
    static constexpr char TypedChar(int row) { return static_cast<char>(-2 - row); }

    virtual ~FileListHand() = default;
    virtual FileList& Files() = 0;
    // A click on a row, with the keys held; or a key.
    virtual void Click(int row, int keys) = 0;
    // Runs `handler` after each release of a button over the list, as the window's handler of
    // its MouseUp event.
    virtual void OnMouseUp(std::function<void()> handler) = 0;
};

// Makes the hand on a file list showing the folder given.
using FileListHandMaker = Maker<std::unique_ptr<FileListHand>(const std::string& folder)>;

// Clicks (row and keys held, or a key) and the rows selected after them.
struct GestureCase {
    const char* name;
    std::vector<std::pair<int, int>> clicks;
    std::vector<int> selected;
};

// The gestures of a user on a file list whose program unselects a refused file after each
// release (raised for every button).
const std::vector<GestureCase>& RefusedFileGestures();

class RefusedFilesTest : public testing::TestWithParam<std::tuple<FileListHandMaker, GestureCase>> {
};

std::string GestureName(const testing::TestParamInfo<RefusedFilesTest::ParamType>& info);

// A drive list on screen listing at least two drives, and a user's hand on it.
class DriveListHand {
  public:
    virtual ~DriveListHand() = default;
    virtual DriveList& Drives() = 0;
    // The change events the list raised.
    virtual int Changes() const = 0;
    // The drives as the list shows them, and the row it shows chosen.
    virtual std::vector<std::string> Shown() const = 0;
    virtual int ShownChosen() const = 0;
    // The Down arrow key on the closed list; the list opened and its chosen drive picked again;
    // a notch of the mouse wheel each way over the closed list.
    virtual void KeyDown() = 0;
    virtual void PickChosenAgain() = 0;
    virtual void Wheel() = 0;
};

using DriveListHandMaker = Maker<std::unique_ptr<DriveListHand>()>;

class DriveListContract : public testing::TestWithParam<DriveListHandMaker> {};

// A Save dialog, and the user who answers it once it is open for real.
class SaveDialogHand {
  public:
    // What the open dialog showed: its title, the descriptions of the file types it offers and
    // the text of its file name field.
    struct Shown {
        std::string title;
        std::vector<std::string> types;
        std::string name;
    };

    virtual ~SaveDialogHand() = default;
    virtual SaveDialog& Dialog() = 0;
    // Runs ShowSave; the user reads the dialog, then chooses `file` (a full path), or cancels
    // when it is empty.
    virtual Shown ShowAndAnswer(const std::string& file) = 0;
};

using SaveDialogHandMaker = Maker<std::unique_ptr<SaveDialogHand>()>;

class SaveDialogContract : public testing::TestWithParam<SaveDialogHandMaker> {};

// A message box, shown for real and answered by the user once it is open.
class MsgBoxHand {
  public:
    enum Answer { kYes, kNo, kOk, kEnter, kEscape, kCloseBox };
    enum Icon { kNoIcon, kInformation, kQuestion, kCritical };
    // What the open box showed, and what Show returned.
    struct Shown {
        std::string title;
        std::string text;
        Icon icon = kNoIcon;
        MsgBox::Button returned = MsgBox::Button::Ok;
    };

    virtual ~MsgBoxHand() = default;
    virtual Shown ShowAndAnswer(const std::string& text, MsgBox::Style style,
                                const std::string& title, Answer answer) = 0;
};

using MsgBoxHandMaker = Maker<std::unique_ptr<MsgBoxHand>()>;

class MsgBoxContract : public testing::TestWithParam<MsgBoxHandMaker> {};

// Cases print as their names in the tests' report.
inline void PrintTo(const GestureCase& gesture, std::ostream* out) {
    *out << gesture.name;
}

}  // namespace kelvane::test
