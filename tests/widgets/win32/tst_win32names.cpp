// Names of any script in the Windows main window: a folder of names from three scripts outside
// code page 1252 and a pair that looks alike. Every list gives each row's exact text to another
// process (as screen readers read it), and the target box gives back what was typed or set
// exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/widetext.h"
#include "fakemsgbox.h"
#include "pages/main/frmmain.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "widgets/win32/control.h"
#include "widgets/win32/messageloop.h"
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

    // The last `count` rows of a list as another process reads them, while this thread answers.
    std::vector<std::string> ReadByAnotherProcess(const std::string& list, std::size_t count) {
        const std::string out = dir_.Text() + "\\rows.txt";
        std::wstring command = L"\"" + ToWideShown(test::TestProgram("kelvane_listreader.exe")) +
                               L"\" " + std::to_wstring(reinterpret_cast<INT_PTR>(Hwnd(list))) +
                               L" \"" + ToWideShown(out) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
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
        std::vector<std::string> rows;
        std::istringstream text(ReadFile(out));
        for (std::string row; std::getline(text, row);) {
            rows.push_back(row);
        }
        rows.erase(rows.begin(), rows.end() - static_cast<long>(std::min(count, rows.size())));
        return rows;
    }

    kelvane::test::TempFolder dir_;
    const std::string root_ = dir_.Text() + "\\" + kFolder;
    kelvane::test::FakeMsgBox msgBox_;
    Win32Toolkit toolkit_{96};
    frmMain main_{toolkit_,
                  {.msgBox = &msgBox_, .saveDialog = {}, .openDocument = {}, .showAbout = {}}};
    Win32Window& form_ = dynamic_cast<Win32Window&>(main_.window());
};

TEST_F(NamesTest, EveryListGivesEachRowsExactTextToAnotherProcess) {
    for (const std::string& name : kFiles) {
        main_.lstFileSelect.AddItem(name);
    }
    for (int i = 0; i < 40; ++i) {
        main_.lstFileType.AddItem("Ω " + std::to_string(i));
    }
    main_.lstFileType.SetListIndex(3);
    PumpPending();  // shown
    // Rows whose text changed after they were shown: two, and many at once.
    main_.lstFileSelect.SetList(0, kFiles[1]);
    main_.lstFileSelect.SetList(1, kFiles[0]);
    std::vector<std::string> merge = kFiles;
    std::swap(merge[0], merge[1]);
    std::vector<std::string> types;
    for (int i = 3; i < main_.lstFileType.ListCount(); ++i) {
        types.push_back("ő " + std::to_string(i));
        main_.lstFileType.SetList(i, types.back());
    }
    std::vector<std::string> folders = kSubfolders;
    folders.push_back(kFolder);  // the open folder, above them
    const struct {
        const char* list;
        std::vector<std::string> rows;  // its last rows
        bool sorted;                    // by the list, in its own order
    } cases[] = {
        {"fileList", kFiles, true},
        {"myFolders", folders, true},
        {"lstFileSelect", merge, false},
        {"lstFileType", types, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        const std::vector<std::string> read = ReadByAnotherProcess(c.list, c.rows.size());
        EXPECT_EQ(c.sorted ? Sorted(read) : read, c.sorted ? Sorted(c.rows) : c.rows);
    }
    EXPECT_EQ(main_.lstFileType.ListIndex(), 3) << "the highlight stays where it was";
    EXPECT_EQ(SendMessageW(Hwnd("lstFileType"), LB_GETCURSEL, 0, 0), 3);
}

TEST_F(NamesTest, TheTargetBoxGivesBackWhatWasTypedOrSetExactly) {
    TextBox& box = main_.txtTartgetPath;
    const struct {
        std::wstring typed;  // character by character, after the program set `set`
        std::string set;
        std::string text;    // Text() afterwards
        std::wstring shown;  // what the box shows
    } cases[] = {
        {L"C:\\Ωmega 日本 ő\\😀 中文.txt", "", "C:\\Ωmega 日本 ő\\😀 中文.txt",
         L"C:\\Ωmega 日本 ő\\😀 中文.txt"},
        {L"", "D:\\結果 ő.txt", "D:\\結果 ő.txt", L"D:\\結果 ő.txt"},
        // Bytes that aren't UTF-8 (a name NTFS allows but UTF-8 can't spell) show as U+FFFD,
        // and come back as set: never as the name of another file.
        {L"", "caf\xE9 \xED\xA0\x80.txt", "caf\xE9 \xED\xA0\x80.txt",
         L"caf\uFFFD \uFFFD\uFFFD\uFFFD.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        box.SetText(c.set);
        box.SetFocus();
        for (const wchar_t unit : c.typed) {
            PostMessageW(Hwnd("txtTartgetPath"), WM_CHAR, unit, 1);
        }
        PumpPending();
        EXPECT_EQ(box.Text(), c.text);
        wchar_t shown[256] = {};
        GetWindowTextW(Hwnd("txtTartgetPath"), shown, 256);
        EXPECT_EQ(shown, c.shown);
        // Selection positions count bytes of the text: the extension, then all of it.
        const auto dot = static_cast<int>(c.text.rfind('.'));
        const auto units = static_cast<int>(c.shown.size());
        box.SetSelStart(dot);
        box.SetSelLength(4);
        const LRESULT extension = SendMessageW(Hwnd("txtTartgetPath"), EM_GETSEL, 0, 0);
        EXPECT_EQ(LOWORD(extension), units - 4);
        EXPECT_EQ(HIWORD(extension), units);
        EXPECT_EQ(box.SelStart(), dot);
        EXPECT_EQ(box.SelLength(), 4);
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(c.text.size()));
        EXPECT_EQ(SendMessageW(Hwnd("txtTartgetPath"), EM_GETSEL, 0, 0), MAKELRESULT(0, units));
        EXPECT_EQ(box.SelLength(), static_cast<int>(c.text.size()));
    }
}

}  // namespace
}  // namespace kelvane::win32
