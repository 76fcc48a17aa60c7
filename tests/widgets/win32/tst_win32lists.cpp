// The Win32 lists: the contract's cases and gestures on them, the file list's mouse events, rows
// past 65,535, names of any script typed and read by another process (as screen readers read
// them), and which clicks the folder list takes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/widetext.h"
#include "listcontract.h"
#include "pages/main/frmmaindesign.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "typeaheadclock.h"
#include "widgets/win32/messageloop.h"
#include "widgets/win32/ownerdrawnlist.h"
#include "widgets/win32/plaincontrols.h"
#include "widgets/win32/win32toolkit.h"
#include "widgets/win32/win32window.h"

namespace kelvane::win32 {
namespace {

// The main window on screen, and a hand on its lists.
class MainWindow {
  public:
    MainWindow() { form_.Show(); }

    // The middle of a row of a list (its top row counting as 0), from the top of the list.
    int RowY(const std::string& list, int visibleRow) {
        const int height = dynamic_cast<OwnerDrawnList*>(form_.Find(list))->RowHeight();
        return visibleRow * height + height / 2;
    }
    // Posts a mouse message to a list at the middle of a row.
    void Mouse(const std::string& list, UINT message, int visibleRow, WPARAM keys = 0, int x = 30) {
        // The pointer goes there too: a list holding the mouse follows the real pointer.
        POINT screen{x, RowY(list, visibleRow)};
        ClientToScreen(Hwnd(list), &screen);
        SetCursorPos(screen.x, screen.y);
        PostMessageA(Hwnd(list), message, keys, MAKELPARAM(x, RowY(list, visibleRow)));
        PumpPending();
    }
    // Sends a key's message to a list, with `held` (a virtual key) down in the thread's key state
    // while it is read.
    void Key(const std::string& list, UINT message, WPARAM key, BYTE held = 0) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[held] = held != 0 ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageW(Hwnd(list), message, key, 1);
        state[held] = 0;
        SetKeyboardState(state);
    }
    // Posts the characters to a list, as typed in quick succession, in UTF-16 units.
    void Type(const std::string& list, const std::string& typed) {
        for (const wchar_t unit : ToWideShown(typed)) {
            PostMessageW(Hwnd(list), WM_CHAR, unit, 1);
        }
        PumpPending();
    }
    void ShowOptions() { dynamic_cast<TabControl*>(form_.Find("SSTab1"))->SetCurrentPage(1); }
    HWND Hwnd(const std::string& name) { return form_.Find(name)->Hwnd(); }

    Win32Toolkit toolkit_{96};
    std::unique_ptr<Window> window_ = toolkit_.Build(frmMainDesign());
    Win32Window& form_ = dynamic_cast<Win32Window&>(*window_);
    ListWidget& merge_ = form_.ListNamed("lstFileSelect");
    ListWidget& types_ = form_.ListNamed("lstFileType");
    FileList& files_ = form_.FileListNamed("fileList");
};

class ListsTest : public testing::Test, public MainWindow {};

// The main window's merge list, or its file-type list for the check-box style, driven through
// posted messages.
class Win32ListHand : public test::ListHand, MainWindow {
  public:
    explicit Win32ListHand(ListRows::Style style)
        : name_(style == ListRows::Style::CheckBox ? "lstFileType" : "lstFileSelect") {
        if (style == ListRows::Style::CheckBox) {
            ShowOptions();
        }
    }
    ListWidget& List() override { return form_.ListNamed(name_); }
    void Mouse(Act act, int row, int button, int keys, bool onBox) override {
        const bool left = button == MouseEvent::LeftButton;
        const WPARAM held = (keys & MouseEvent::CtrlKey ? MK_CONTROL : 0) |
                            (keys & MouseEvent::ShiftKey ? MK_SHIFT : 0);
        const UINT message = act == kDown ? (left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN)
                             : act == kUp ? (left ? WM_LBUTTONUP : WM_RBUTTONUP)
                                          : WM_MOUSEMOVE;
        const WPARAM down = act == kUp ? 0 : left ? MK_LBUTTON : MK_RBUTTON;
        MainWindow::Mouse(name_, message, row, held | down, onBox ? 6 : 60);
    }
    int Y(int row) override { return RowY(name_, row); }
    void TabIn() override {
        SetFocus(Hwnd(name_));
        PumpPending();
    }
    void Type(const std::string& typed) override { MainWindow::Type(name_, typed); }
    void On(Event event, std::function<void(const MouseEvent&)> handler) override {
        form_.On(name_, event, std::move(handler));
    }

  private:
    const char* name_;
};

const test::ListHandMaker kWin32Lists{
    "Win32", [](ListRows::Style style) { return std::make_unique<Win32ListHand>(style); }};

using test::ListGestures;
INSTANTIATE_TEST_SUITE_P(Win32, ListGestures, testing::Values(kWin32Lists),
                         test::ParamName<test::ListHandMaker>);

// A release is reported for a button pressed over the file list, wherever it comes, and only
// then.
TEST_F(ListsTest, TheFileListReportsTheReleaseOfEachButtonPressedOverIt) {
    kelvane::test::TempFolder folder;
    folder.Write("a.txt", "x");
    files_.SetPath(folder.Text());
    int releases = 0;
    form_.On("fileList", Event::MouseUp, [&](const MouseEvent&) { ++releases; });
    Mouse("fileList", WM_RBUTTONDOWN, 0, MK_RBUTTON);
    Mouse("fileList", WM_RBUTTONUP, 40);  // below the rows
    EXPECT_EQ(releases, 1);
    Mouse("fileList", WM_LBUTTONUP, 0);  // without a press
    Mouse("fileList", WM_RBUTTONUP, 0);
    EXPECT_EQ(releases, 1);
}

// The file list of the main window, clicked and typed into through posted messages.
class Win32FileListHand : public test::FileListHand, MainWindow {
  public:
    explicit Win32FileListHand(const std::string& folder) { files_.SetPath(folder); }
    FileList& Files() override { return files_; }
    void Click(int row, int keys) override {
        const WPARAM held = (keys & kCtrl ? MK_CONTROL : 0) | (keys & kShift ? MK_SHIFT : 0);
        if (row <= kDownKey) {
            Key("fileList", row == kDownKey ? WM_KEYDOWN : WM_CHAR,
                row == kDownKey ? VK_DOWN : TypedChar(row), keys & kShift ? VK_SHIFT : 0);
            return;
        }
        const int button = keys & kRight ? 1 : keys & kMiddle ? 2 : 0;
        const UINT down[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
        const WPARAM pressed[] = {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON};
        Mouse("fileList", down[button], row, pressed[button] | held);
        Mouse("fileList", down[button] + 1, row, held);
    }
    void OnMouseUp(std::function<void()> handler) override {
        form_.On("fileList", Event::MouseUp,
                 [handler = std::move(handler)](const MouseEvent&) { handler(); });
    }
};

std::unique_ptr<test::FileListHand> MakeFileListHand(const std::string& folder) {
    return std::make_unique<Win32FileListHand>(folder);
}

using test::RefusedFilesTest;
INSTANTIATE_TEST_SUITE_P(Win32, RefusedFilesTest,
                         testing::Combine(testing::Values(test::FileListHandMaker{
                                              "Win32", MakeFileListHand}),
                                          testing::ValuesIn(test::RefusedFileGestures())),
                         test::GestureName);

using test::ListWidgetContract;
INSTANTIATE_TEST_SUITE_P(Win32, ListWidgetContract, testing::Values(test::ListsOf(kWin32Lists)),
                         test::ParamName<test::ListMaker>);

// The main window's folder list, clicked and typed into through posted messages.
test::FolderListMade MakeFolderList() {
    using Made = test::FolderListMade;
    auto window = std::make_shared<MainWindow>();
    auto changes = std::make_shared<int>(0);
    MainWindow* w = window.get();
    w->form_.On("myFolders", Event::Change, [changes](const MouseEvent&) { ++*changes; });
    FolderList* list = &w->form_.FolderListNamed("myFolders");
    HWND box = w->Hwnd("myFolders");
    // The list box's row of a folder index (the list shows them all).
    const auto row = [list, box](int index) {
        return index + static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0)) - list->ListCount();
    };
    const auto act = [w, row](Made::Gesture gesture, int index) {
        const WPARAM ctrl = gesture == Made::kCtrlClick ? MK_CONTROL : 0;
        if (gesture >= Made::kEnter) {
            const WPARAM keys[] = {VK_RETURN, VK_SPACE, VK_DOWN};
            w->Key("myFolders", WM_KEYDOWN, keys[gesture - Made::kEnter],
                   gesture == Made::kEnter ? 0 : VK_CONTROL);
            return;
        }
        w->Mouse("myFolders", gesture == Made::kDoubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN,
                 row(index), MK_LBUTTON | ctrl);
        w->Mouse("myFolders", WM_LBUTTONUP, row(index), ctrl);
    };
    const auto drawn = [list, box, row] {
        const auto selected = static_cast<int>(SendMessageA(box, LB_GETCURSEL, 0, 0));
        return selected == LB_ERR ? list->ListCount() : selected - row(0);
    };
    const auto heights = [w] {
        return std::vector<int>{
            dynamic_cast<OwnerDrawnList*>(w->form_.Find("myFolders"))->RowHeight(),
            dynamic_cast<OwnerDrawnList*>(w->form_.Find("fileList"))->RowHeight(),
            GetSystemMetrics(SM_CYSMICON) + 2};  // 2 pixels at 96 dpi
    };
    const auto type = [w](const std::string& typed) { w->Type("myFolders", typed); };
    return {{window, list}, changes, act, type, drawn, heights};
}

using test::FolderListContract;
INSTANTIATE_TEST_SUITE_P(Win32, FolderListContract,
                         testing::Values(test::FolderListMaker{"Win32", MakeFolderList}),
                         test::ParamName<test::FolderListMaker>);

TEST_F(ListsTest, HitsRowsPast65535) {
    ShowOptions();
    constexpr int kRows = 70000;
    for (int i = 0; i < kRows; ++i) {
        types_.AddItem("T" + std::to_string(i));
    }
    HWND list = Hwnd("lstFileType");
    SendMessageA(list, LB_SETTOPINDEX, 69990, 0);
    const auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    ASSERT_GT(top, 65536);
    Mouse("lstFileType", WM_LBUTTONDOWN, 1, MK_LBUTTON, 6);
    Mouse("lstFileType", WM_LBUTTONUP, 1, 0, 6);
    EXPECT_TRUE(types_.Selected(top + 1));
    EXPECT_FALSE(types_.Selected(top + 1 - 65536));
    EXPECT_EQ(types_.ListIndex(), top + 1);
}

// The other lists' rows are as high as the file list's.
TEST_F(ListsTest, TextRowsAreAsHighInEveryList) {
    const int text = dynamic_cast<OwnerDrawnList*>(form_.Find("fileList"))->RowHeight();
    for (const char* other : {"lstFileSelect", "lstFileType"}) {
        EXPECT_EQ(dynamic_cast<OwnerDrawnList*>(form_.Find(other))->RowHeight(), text) << other;
    }
}

// The file list showing a folder named in scripts outside code page 1252, holding files so named
// and a pair of names that look alike.
const std::vector<std::string> kFiles = {"ő.txt",    "o.txt",    "Ωmega.txt", "café.txt",
                                         "日本.txt", "中文.txt", "😀.txt"};

class NamesTest : public ListsTest {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(test::Utf8Path(root_));
        for (const std::string& name : kFiles) {
            std::ofstream(test::Utf8Path(root_ + "\\" + name)) << "x";
        }
        files_.SetPath(root_);
    }

    kelvane::test::TempFolder dir_;
    const std::string root_ = dir_.At("Ωmega 日本 ő");
};

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Every list gives each row's exact text to another process, also rows whose text changed after
// they were shown: two, and many at once.
TEST_F(NamesTest, EveryListGivesEachRowsExactTextToAnotherProcess) {
    for (const std::string& name : kFiles) {
        merge_.AddItem(name);
    }
    for (int i = 0; i < 40; ++i) {
        types_.AddItem("Ω " + std::to_string(i));
    }
    types_.SetListIndex(3);
    PumpPending();  // shown
    merge_.SetList(0, kFiles[1]);
    merge_.SetList(1, kFiles[0]);
    std::vector<std::string> merge = kFiles;
    std::swap(merge[0], merge[1]);
    std::vector<std::string> types;
    for (int i = 3; i < types_.ListCount(); ++i) {
        types.push_back("ő " + std::to_string(i));
        types_.SetList(i, types.back());
    }
    const struct {
        const char* list;
        std::vector<std::string> rows;  // its last rows
        bool sorted;                    // by the list, in its own order
    } cases[] = {
        {"fileList", Sorted(kFiles), true},
        {"lstFileSelect", merge, false},
        {"lstFileType", types, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        // The list reader, run while this thread answers; it writes the rows, one a line.
        const std::string out = dir_.At("rows.txt");
        std::wstring command = L"\"" + ToWideShown(test::TestProgram("kelvane_listreader.exe")) +
                               L"\" " + std::to_wstring(reinterpret_cast<INT_PTR>(Hwnd(c.list))) +
                               L" \"" + ToWideShown(out) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 10000, QS_ALLINPUT) ==
               WAIT_OBJECT_0 + 1) {
            PumpPending();
        }
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        EXPECT_EQ(code, 0u) << "the list reader failed or didn't end";
        std::ifstream in(test::Utf8Path(out));
        std::vector<std::string> rows;
        for (std::string row; std::getline(in, row);) {
            rows.push_back(row);
        }
        rows.erase(rows.begin(),
                   rows.end() - static_cast<long>(std::min(c.rows.size(), rows.size())));
        EXPECT_EQ(c.sorted ? Sorted(rows) : rows, c.rows);
    }
    EXPECT_EQ(types_.ListIndex(), 3) << "the highlight stays where it was";
    EXPECT_EQ(SendMessageW(Hwnd("lstFileType"), LB_GETCURSEL, 0, 0), 3);
}

// The main window's drive list, driven through posted messages.
class Win32Drives : public test::DriveListHand, MainWindow {
  public:
    Win32Drives() {
        form_.On("myDrive", Event::Change, [this](const MouseEvent&) { ++changes_; });
    }
    DriveList& Drives() override { return form_.DriveListNamed("myDrive"); }
    int Changes() const override { return changes_; }
    std::vector<std::string> Shown() const override {
        std::vector<std::string> rows(
            static_cast<std::size_t>(SendMessageW(combo_, CB_GETCOUNT, 0, 0)));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            wchar_t text[MAX_PATH] = {};
            SendMessageW(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            rows[i] = FromWide(text);
        }
        return rows;
    }
    int ShownChosen() const override {
        return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
    }
    void KeyDown() override { Post(WM_KEYDOWN, VK_DOWN, 1); }
    void PickChosenAgain() override {
        SendMessageW(combo_, CB_SHOWDROPDOWN, TRUE, 0);
        Post(WM_KEYDOWN, VK_RETURN, 1);
    }
    void Wheel() override {
        Post(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
        Post(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    }

  private:
    void Post(UINT message, WPARAM wParam, LPARAM lParam) {
        SetFocus(combo_);
        PostMessageW(combo_, message, wParam, lParam);
        PumpPending();
    }

    HWND combo_ = form_.Find("myDrive")->Hwnd();
    int changes_ = 0;
};

using test::DriveListContract;
INSTANTIATE_TEST_SUITE_P(Win32, DriveListContract,
                         testing::Values(test::DriveListHandMaker{
                             "Win32", [] { return std::make_unique<Win32Drives>(); }}),
                         test::ParamName<test::DriveListHandMaker>);

}  // namespace
}  // namespace kelvane::win32
