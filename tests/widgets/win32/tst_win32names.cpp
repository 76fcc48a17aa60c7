// Names of any script in the Windows main window: a folder of names from three scripts outside
// code page 1252 and a pair that looks alike. Every list gives each row's exact text to another
// process (as screen readers read it), the target box gives back what was typed or set exactly,
// and a merge of every file through the window writes each one once.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/frmmain.h"
#include "fakemsgbox.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "widgets/widetext.h"
#include "widgets/win32/control.h"
#include "widgets/win32/messageloop.h"
#include "widgets/win32/ownerdrawnlist.h"
#include "widgets/win32/win32toolkit.h"
#include "widgets/win32/win32window.h"

namespace kelvane::win32 {
namespace {

using kelvane::test::Utf8Path;

const std::string kFolder = "Ωmega 日本 ő";
const std::vector<std::string> kFiles = {"ő.txt",    "o.txt",    "Ωmega.txt", "café.txt",
                                         "日本.txt", "中文.txt", "😀.txt"};
const std::vector<std::string> kSubfolders = {"中文", "ő", "o"};

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class NamesTest : public testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(Utf8Path(root_));
        for (const std::string& name : kFiles) {
            std::ofstream(Utf8Path(root_ + "\\" + name), std::ios::binary) << "line of " << name;
        }
        for (const std::string& name : kSubfolders) {
            std::filesystem::create_directory(Utf8Path(root_ + "\\" + name));
        }
        form_.Show();
        main_.myFolders.SetPath(root_);  // the file list follows
        PumpPending();
        ASSERT_EQ(main_.fileList.ListCount(), static_cast<int>(kFiles.size()));
    }

    HWND Hwnd(const std::string& control) { return form_.Find(control)->Hwnd(); }

    // The rows of a list as another process reads them.
    std::vector<std::string> ReadByAnotherProcess(const std::string& list) {
        const std::string out = dir_.Text() + "\\rows.txt";
        std::wstring command = L"\"" + ToWideShown(test::TestProgram("kelvane_listreader.exe")) +
                               L"\" " + std::to_wstring(reinterpret_cast<INT_PTR>(Hwnd(list))) +
                               L" \"" + ToWideShown(out) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            ADD_FAILURE() << "can't start the list reader";
            return {};
        }
        // Its questions are answered while this thread waits for messages.
        DWORD waited = 0;
        for (int round = 0; round < 600; ++round) {
            waited = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT);
            if (waited == WAIT_OBJECT_0) {
                break;
            }
            PumpPending();
        }
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        EXPECT_EQ(waited, WAIT_OBJECT_0) << "the list reader didn't end";
        EXPECT_EQ(code, 0u) << "the list reader failed";
        std::vector<std::string> rows;
        const std::string text = ReadFile(out);
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find('\n', start);
            rows.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return rows;
    }

    // Posts a mouse message to a list at the middle of a row.
    void Mouse(const std::string& list, UINT message, int row, WPARAM keys = 0) {
        auto* control = dynamic_cast<OwnerDrawnList*>(form_.Find(list));
        const int y = row * control->RowHeight() + control->RowHeight() / 2;
        POINT screen{30, y};
        ClientToScreen(control->Hwnd(), &screen);
        SetCursorPos(screen.x, screen.y);
        PostMessageW(control->Hwnd(), message, keys, MAKELPARAM(30, y));
        PumpPending();
    }

    frmMain::Services Services() {
        frmMain::Services services;
        services.msgBox = &msgBox_;
        return services;
    }

    kelvane::test::TempFolder dir_;
    const std::string root_ = dir_.Text() + "\\" + kFolder;
    kelvane::test::FakeMsgBox msgBox_;
    Win32Toolkit toolkit_{96};
    frmMain main_{toolkit_, Services()};
    Win32Window& form_ = dynamic_cast<Win32Window&>(main_.window());
};

TEST_F(NamesTest, EveryListGivesEachRowsExactTextToAnotherProcess) {
    for (const std::string& name : kFiles) {
        main_.lstFileSelect.AddItem(name);
        main_.lstFileType.AddItem(name);
    }
    for (int i = 0; i < 40; ++i) {
        main_.lstFileType.AddItem("Ω " + std::to_string(i));
    }
    main_.lstFileType.SetListIndex(3);
    PumpPending();  // shown
    // Rows whose text changed after they were shown: two, and many at once.
    main_.lstFileSelect.SetList(0, kFiles[1]);
    main_.lstFileSelect.SetList(1, kFiles[0]);
    std::vector<std::string> types{"TXT", "SQL", "DAT"};
    for (int i = 0; i < main_.lstFileType.ListCount() - 3; ++i) {
        types.push_back("ő " + std::to_string(i));
        main_.lstFileType.SetList(i + 3, types.back());
    }

    std::vector<std::string> files;
    for (int i = 0; i < main_.fileList.ListCount(); ++i) {
        files.push_back(main_.fileList.List(i));
    }
    // The folder list's last rows: the open folder, then its subfolders by their names.
    std::vector<std::string> folders{kFolder};
    for (int i = 0; i < main_.myFolders.ListCount(); ++i) {
        const std::string path = main_.myFolders.List(i);
        folders.push_back(path.substr(path.find_last_of('\\') + 1));
    }
    std::vector<std::string> merge{kFiles[1], kFiles[0]};
    merge.insert(merge.end(), kFiles.begin() + 2, kFiles.end());
    const struct {
        const char* list;
        std::vector<std::string> rows;  // the list's last rows
    } cases[] = {
        {"fileList", files},
        {"myFolders", folders},
        {"lstFileSelect", merge},
        {"lstFileType", types},
    };
    ASSERT_EQ(Sorted(files), Sorted(kFiles));
    ASSERT_EQ(Sorted({folders.begin() + 1, folders.end()}), Sorted(kSubfolders));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        const std::vector<std::string> read = ReadByAnotherProcess(c.list);
        ASSERT_GE(read.size(), c.rows.size());
        EXPECT_EQ(
            std::vector<std::string>(read.end() - static_cast<long>(c.rows.size()), read.end()),
            c.rows);
    }
    EXPECT_EQ(main_.lstFileType.ListIndex(), 3) << "the highlight stays where it was";
    EXPECT_EQ(SendMessageW(Hwnd("lstFileType"), LB_GETCURSEL, 0, 0), 3);
}

TEST_F(NamesTest, TheTargetBoxGivesBackWhatWasTypedOrSetExactly) {
    TextBox& box = main_.txtTartgetPath;
    HWND edit = Hwnd("txtTartgetPath");
    const struct {
        const char* what;
        std::wstring typed;  // typed character by character; else set by the program
        std::string set;
        std::string expected;  // Text() afterwards
        std::wstring shown;    // what the box shows
    } cases[] = {
        {"typed", L"C:\\Ωmega 日本 ő\\中文.txt", "", "C:\\Ωmega 日本 ő\\中文.txt",
         L"C:\\Ωmega 日本 ő\\中文.txt"},
        {"typed beyond 16 bits", L"😀 café.txt", "", "😀 café.txt", L"😀 café.txt"},
        {"set", L"", "D:\\結果 ő.txt", "D:\\結果 ő.txt", L"D:\\結果 ő.txt"},
        // Bytes that aren't UTF-8 (a name NTFS allows but UTF-8 can't spell) show as U+FFFD,
        // and come back as set: never as the name of another file.
        {"set, not UTF-8", L"", "caf\xE9 \xED\xA0\x80.txt", "caf\xE9 \xED\xA0\x80.txt",
         L"caf\uFFFD \uFFFD\uFFFD\uFFFD.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        box.SetText(c.set);
        if (!c.typed.empty()) {
            box.SetFocus();
            for (const wchar_t unit : c.typed) {
                PostMessageW(edit, WM_CHAR, unit, 1);
            }
            PumpPending();
        }
        EXPECT_EQ(box.Text(), c.expected);
        wchar_t shown[256] = {};
        GetWindowTextW(edit, shown, 256);
        EXPECT_EQ(std::wstring(shown), c.shown);
    }
}

TEST_F(NamesTest, MergingEveryFileThroughTheWindowWritesEachOnce) {
    // Every file picked with the mouse: a click on the first, a Shift+click on the last.
    const int last = main_.fileList.ListCount() - 1;
    Mouse("fileList", WM_LBUTTONDOWN, 0, MK_LBUTTON);
    Mouse("fileList", WM_LBUTTONUP, 0);
    Mouse("fileList", WM_LBUTTONDOWN, last, MK_LBUTTON | MK_SHIFT);
    Mouse("fileList", WM_LBUTTONUP, last, MK_SHIFT);
    ASSERT_EQ(main_.lstFileSelect.ListCount(), static_cast<int>(kFiles.size()));
    const std::string target = root_ + "\\結果 ő.out";
    main_.txtTartgetPath.SetText(target);

    SendMessageW(Hwnd("cmdMerge"), BM_CLICK, 0, 0);
    PumpPending();

    EXPECT_TRUE(msgBox_.shown.empty()) << msgBox_.shown.front().text;
    std::string expected;
    std::vector<std::string> merged;
    for (int i = 0; i < main_.lstFileSelect.ListCount(); ++i) {
        merged.push_back(main_.lstFileSelect.List(i));
        expected += "line of " + merged.back() + "\r\n";
    }
    EXPECT_EQ(Sorted(merged), Sorted(kFiles));
    EXPECT_EQ(ReadFile(target), expected);
}

}  // namespace
}  // namespace kelvane::win32
