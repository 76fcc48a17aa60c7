// Merge runs on Windows: the source folder as the folder list gives it there (a drive root
// included), names of every script, Windows' other spellings of the target, and files that
// another program holds locked.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "faketextbox.h"
#include "pages/merge/mergepage.h"
#include "tempfolder.h"
#include "widgets/widgeterror.h"
#include "win32files.h"

namespace kelvane {
namespace {

using test::TempFolder;
using Button = MsgBox::Button;

const std::string kTargetIsSource =
    "The target file is one of the files to merge. Please give another target file.";
const std::string kReplace = "The file already exists!. Do you want to replace this file?";
const std::string kFailed =
    "Some error occurred in the merging.  If this is a bug please report to Dunmarrow.";

// A folder list whose highlighted entry is the open folder, named as it was given: any name,
// in UTF-8, whether or not it can be listed.
class OpenFolder : public FolderList {
  public:
    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override { path_ = path; }
    int ListCount() const override { return 0; }
    int ListIndex() const override { return -1; }
    void SetListIndex(int index) override { List(index); }
    std::string List(int index) const override {
        if (index != -1) {
            throw WidgetError("folder index out of range");
        }
        return path_;
    }

  private:
    std::string path_;
};

class MergePageWin32Test : public ::testing::Test {
  protected:
    // One run, with the folder given as the folder list's highlighted entry.
    void Merge(const std::string& folder, const std::vector<std::string>& names,
               const std::string& targetPath) {
        OpenFolder open;
        open.SetPath(folder);
        for (const auto& name : names) {
            rows.AddItem(name);
        }
        target.SetText(targetPath);
        MergePage page(target, open, rows, dialog, msgBox);
        page.MergeFiles();
    }

    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& box : msgBox.shown) {
            texts.push_back(box.text);
        }
        return texts;
    }

    TempFolder dir;
    test::FakeFolderList folders;
    test::FakeListWidget rows;
    test::FakeTextBox target;
    test::FakeSaveDialog dialog;
    test::FakeMsgBox msgBox;
};

// Files named by a program that spells names in the ANSI code page, given to the run in UTF-8
// as every name is: their bytes are merged as they are.
TEST_F(MergePageWin32Test, NamesInTheAnsiCodePageAreMergedByteForByte) {
    if (!test::AnsiCodePageIsSingleByte()) {
        GTEST_SKIP() << "the ANSI code page here has no single-byte 0xE9";
    }
    ASSERT_TRUE(CreateDirectoryA((dir.Text() + "\\Donn\xE9" + "es").c_str(), nullptr));
    test::WriteAnsiFile(dir.Text() + "\\Donn\xE9" + "es\\caf\xE9.txt", "caf\xE9\r\nB");
    test::WriteAnsiFile(dir.Text() + "\\Donn\xE9" + "es\\r\xE9sum\xE9.sql", "C\n");
    const std::string targetPath = dir.Text() + "\\fusionn\u00E9.txt";

    Merge(dir.Text() + "\\Donn\u00E9es", {"r\u00E9sum\u00E9.sql", "caf\u00E9.txt", "cafe.txt"},
          targetPath);
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_EQ(test::ReadAnsiFile(dir.Text() + "\\fusionn\xE9.txt"), "C\r\ncaf\xE9\r\nB\r\n");
}

// Names of three scripts outside the ANSI code page and a pair that looks alike, in a folder
// and a target named the same way, and as many as make the run read the folder's listing: each
// listed file is merged once, its own.
TEST_F(MergePageWin32Test, EveryNameReachesItsOwnFile) {
    std::vector<std::string> names = {"\u0151.txt",       "o.txt",
                                      "\u03A9mega.txt",   "\u65E5\u672C.txt",
                                      "\u4E2D\u6587.txt", "caf\u00E9.txt"};
    for (const auto& [folder, merged] :
         {std::pair<std::string, std::string>{"names", "merged.txt"},
          {"\u03A9 \u65E5\u672C", "\u03A9 \u65E5\u672C\\\u7D50\u679C \u0151.txt"}}) {
        SCOPED_TRACE(folder);
        if (folder != "names") {
            for (int i = 0; i < 20; ++i) {
                names.push_back("\u03A9 " + std::to_string(i) + " \u0151.txt");
            }
        }
        const std::string path = dir.Text() + "\\" + folder;
        std::filesystem::create_directory(test::Utf8Path(path));
        std::string expected;
        for (auto name = names.rbegin(); name != names.rend(); ++name) {  // in another order
            test::WriteUtf8File(path + "\\" + *name, "line of " + *name + "\n");
            expected += "line of " + *name + "\r\n";
        }
        rows.Clear();
        Merge(path, std::vector<std::string>(names.rbegin(), names.rend()),
              dir.Text() + "\\" + merged);
        EXPECT_TRUE(msgBox.shown.empty());
        EXPECT_EQ(test::ReadUtf8File(dir.Text() + "\\" + merged), expected);
    }
}

// A name that isn't exactly UTF-8 is refused with the critical message, whether a row, the
// folder or the target: spelt another way, it could reach another file. Nothing is written.
TEST_F(MergePageWin32Test, AnInexactNameIsRefused) {
    dir.MakeFolder("src");
    dir.Write("src\\a.txt", "A\n");
    dir.Write("src\\cafe.txt", "the best fit of the name\n");
    dir.Write("out.txt", "keep\r\n");
    const struct {
        std::string folder;
        std::string row;
        std::string target;
    } cases[] = {{"src", "caf\xE9.txt", "out.txt"},
                 {"src", "\xED\xA0\x80.txt", "out.txt"},  // an unpaired surrogate
                 {"Donn\xE9"
                  "es",
                  "a.txt", "out.txt"},
                 {"src", "a.txt", "r\xE9sum\xE9.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + "\\" + c.row + " to " + c.target);
        rows.Clear();
        msgBox.shown.clear();
        msgBox.answers = {Button::Yes};
        Merge(dir.Text() + "\\" + c.folder, {"a.txt", c.row}, dir.Text() + "\\" + c.target);
        ASSERT_EQ(Shown(), std::vector<std::string>{kFailed});
        EXPECT_EQ(msgBox.shown[0].style, MsgBox::Style::Critical);
        EXPECT_EQ(dir.Read("out.txt"), "keep\r\n");
    }
    EXPECT_FALSE(std::filesystem::exists(test::Utf8Path(dir.Text() + "\\r\u00E9sum\u00E9.txt")));
}

TEST_F(MergePageWin32Test, AFolderEndingInABackslashGetsNoSecondOne) {
    dir.Write("a.txt", "A\n");
    const std::string targetPath = dir.At("out.txt");
    Merge(dir.Text() + "\\", {"a.txt"}, targetPath);
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_EQ(dir.Read("out.txt"), "A\r\n");
}

TEST_F(MergePageWin32Test, AHighlightedSubfolderIsJoinedWithABackslash) {
    dir.MakeFolder("sub");
    dir.Write("sub\\a.txt", "A\n");
    dir.Write("a.txt", "not this one\n");
    folders.SetPath(dir.Text());
    folders.SetListIndex(0);
    ASSERT_EQ(folders.List(0), dir.Text() + "\\sub");
    rows.AddItem("a.txt");
    target.SetText(dir.At("out.txt"));
    MergePage page(target, folders, rows, dialog, msgBox);
    page.MergeFiles();
    EXPECT_EQ(dir.Read("out.txt"), "A\r\n");
}

// Files of the test's own straight in the top folder of drive C:, removed afterwards.
class DriveRootFiles {
  public:
    DriveRootFiles() : prefix_("kelvane-" + std::to_string(GetCurrentProcessId()) + "-") {}
    ~DriveRootFiles() {
        for (const auto& path : made_) {
            DeleteFileA(path.c_str());
        }
    }
    DriveRootFiles(const DriveRootFiles&) = delete;
    DriveRootFiles& operator=(const DriveRootFiles&) = delete;

    // Makes the file; returns its name, without folder.
    std::string Write(const std::string& name, const std::string& bytes) {
        made_.push_back("C:\\" + prefix_ + name);
        test::WriteAnsiFile(made_.back(), bytes);
        return prefix_ + name;
    }

  private:
    std::string prefix_;
    std::vector<std::string> made_;
};

TEST_F(MergePageWin32Test, ADriveRootAsTheSourceFolderGetsNoSecondBackslash) {
    DriveRootFiles root;
    std::string first;
    try {
        first = root.Write("a.txt", "A\r\n");
    } catch (const std::exception& e) {
        GTEST_SKIP() << "no right to write in C:\\ here: " << e.what();
    }
    const std::string second = root.Write("b.txt", "B");
    Merge("C:\\", {first, second}, dir.At("out.txt"));
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_EQ(dir.Read("out.txt"), "A\r\nB\r\n");
}

struct SpellingCase {
    const char* name;
    std::string (*spell)(const TempFolder&);
};

class TargetSpelledAsASource : public MergePageWin32Test,
                               public ::testing::WithParamInterface<SpellingCase> {};

TEST_P(TargetSpelledAsASource, IsRefusedAndTheSourceKept) {
    dir.Write("data.txt", "keep\r\n");
    dir.Write("other.txt", "O\r\n");
    const std::string targetPath = GetParam().spell(dir);
    ASSERT_FALSE(targetPath.empty());
    msgBox.answers = {Button::Yes};
    Merge(dir.Text(), {"other.txt", "data.txt"}, targetPath);
    EXPECT_EQ(Shown(), std::vector<std::string>{kTargetIsSource});
    EXPECT_EQ(dir.Read("data.txt"), "keep\r\n");
}

const SpellingCase kSpellings[] = {
    {"OtherCase", [](const TempFolder& d) { return d.At("DATA.TXT"); }},
    {"ForwardSlashes", [](const TempFolder& d) { return d.Text() + "/data.txt"; }},
    {"DotDot", [](const TempFolder& d) { return d.Text() + "\\sub\\..\\data.txt"; }},
    {"ShortName",
     [](const TempFolder& d) {
         char shortName[MAX_PATH] = {};
         const DWORD length = GetShortPathNameA(d.At("data.txt").c_str(), shortName, MAX_PATH);
         return std::string(shortName, length);
     }},
};

INSTANTIATE_TEST_SUITE_P(Spellings, TargetSpelledAsASource, ::testing::ValuesIn(kSpellings),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(MergePageWin32Test, ALockedSourceStopsTheRunAfterTheEarlierRows) {
    dir.Write("a.txt", "A\n");
    const std::string locked = dir.Write("b.txt", "B\n");
    dir.Write("c.txt", "C\n");
    const std::string targetPath = dir.At("out.txt");
    {
        const test::LockedFile lock(locked);
        Merge(dir.Text(), {"a.txt", "b.txt", "c.txt"}, targetPath);
    }
    ASSERT_EQ(Shown(), std::vector<std::string>{kFailed});
    EXPECT_EQ(msgBox.shown[0].style, MsgBox::Style::Critical);
    EXPECT_EQ(dir.Read("out.txt"), "A\r\n");
}

// A source that is there but can't be looked at (its name is spelt in the ANSI code page, not
// in UTF-8) fails the run before the target, here another name of it, is emptied.
TEST_F(MergePageWin32Test, ASourceThatCantBeLookedAtFailsTheRunBeforeTheTargetIsEmptied) {
    if (!test::AnsiCodePageIsSingleByte()) {
        GTEST_SKIP() << "the ANSI code page here has no single-byte 0xE9";
    }
    dir.Write("a.txt", "A\n");
    test::WriteAnsiFile(dir.Text() + "\\caf\xE9.txt", "B\r\n");
    const std::string targetPath = dir.At("out.txt");
    ASSERT_TRUE(CreateHardLinkW(test::Wide(targetPath).c_str(),
                                test::Wide(dir.Text() + "\\caf\u00E9.txt").c_str(), nullptr));
    msgBox.answers = {Button::Yes};
    Merge(dir.Text(), {"a.txt", "caf\xE9.txt"}, targetPath);
    EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
    EXPECT_EQ(dir.Read("out.txt"), "B\r\n");
}

TEST_F(MergePageWin32Test, ALockedTargetKeepsItsContent) {
    dir.Write("a.txt", "A\n");
    const std::string targetPath = dir.Write("out.txt", "old\r\n");
    msgBox.answers = {Button::Yes};
    {
        const test::LockedFile lock(targetPath);
        Merge(dir.Text(), {"a.txt"}, targetPath);
    }
    EXPECT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
    EXPECT_EQ(dir.Read("out.txt"), "old\r\n");
}

}  // namespace
}  // namespace kelvane
