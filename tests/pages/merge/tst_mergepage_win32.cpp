// Merge runs on Windows: names of every script, names that aren't exactly UTF-8, Windows' other
// spellings of the target, and files that another program holds locked.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "mergepagetest.h"
#include "widgets/widgeterror.h"
#include "win32files.h"

namespace kelvane {
namespace {

using namespace test;
using Texts = std::vector<std::string>;

// Names of three scripts outside the ANSI code page and a pair that looks alike, in a folder
// and a target named the same way, and as many as make the run read the folder's listing: each
// listed file is merged once, its own.
TEST_F(MergePageTest, EveryNameReachesItsOwnFile) {
    Texts names = {"\u0151.txt",       "o.txt",        "\u03A9mega.txt", "\u65E5\u672C.txt",
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
        const std::string path = src.Text() + "\\" + folder;
        std::filesystem::create_directory(Utf8Path(path));
        std::string expected;
        for (auto name = names.rbegin(); name != names.rend(); ++name) {  // in another order
            WriteUtf8File(path + "\\" + *name, "line of " + *name + "\n");
            expected += "line of " + *name + "\r\n";
            Rows({*name});
        }
        folders.SetPath(path);
        target.SetText(src.Text() + "\\" + merged);
        Merge();
        EXPECT_TRUE(msgBox.shown.empty());
        EXPECT_EQ(ReadUtf8File(src.Text() + "\\" + merged), expected);
        rows.Clear();
    }
}

// A folder list whose highlighted entry is the open folder, named as it was given, whether or
// not it can be listed.
class OpenFolder : public FolderList {
  public:
    explicit OpenFolder(std::string path) : path_(std::move(path)) {}
    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override { path_ = path; }
    int ListCount() const override { return 0; }
    int ListIndex() const override { return -1; }
    void SetListIndex(int) override { throw WidgetError("folder index out of range"); }
    std::string List(int) const override { return path_; }

  private:
    std::string path_;
};

// A name that isn't exactly UTF-8 is refused with the critical message, whether a row, the
// folder or the target: spelt another way, it could reach another file. Nothing is written.
TEST_F(MergePageTest, AnInexactNameIsRefused) {
    src.Write("a.txt", "A\n");
    src.Write("cafe.txt", "the best fit of the name\n");
    out.Write("t.txt", "keep\r\n");
    const struct {
        std::string folder;
        std::string row;
        std::string target;
    } cases[] = {{src.Text(), "caf\xE9.txt", "t.txt"},
                 {src.Text(), "\xED\xA0\x80.txt", "t.txt"},  // an unpaired surrogate
                 {out.Text() + "\\Donn\xE9" + "es", "a.txt", "t.txt"},
                 {src.Text(), "a.txt", "r\xE9sum\xE9.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + "\\" + c.row + " to " + c.target);
        const OpenFolder folder(c.folder);
        folderList = &folder;
        rows.Clear();
        Rows({"a.txt", c.row});
        msgBox.shown.clear();
        msgBox.answers = {MsgBox::Button::Yes};
        target.SetText(out.Text() + "\\" + c.target);
        Merge();
        ASSERT_EQ(Shown(), Texts{kFailed});
        EXPECT_EQ(msgBox.shown[0].style, MsgBox::Style::Critical);
        EXPECT_EQ(out.Read("t.txt"), "keep\r\n");
    }
    EXPECT_FALSE(std::filesystem::exists(Utf8Path(out.Text() + "\\r\u00E9sum\u00E9.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Win32Spellings, TargetIsASource,
    testing::Values(
        SameFileCase{"OtherCase", [](const TempFolder& d) { return d.At("B.TXT"); }},
        SameFileCase{"ForwardSlashes", [](const TempFolder& d) { return d.Text() + "/b.txt"; }},
        SameFileCase{"DotDot", [](const TempFolder& d) { return d.Text() + "\\sub\\..\\b.txt"; }},
        SameFileCase{"ShortName",
                     [](const TempFolder& d) {
                         char shortName[MAX_PATH] = {};
                         const DWORD length =
                             GetShortPathNameA(d.At("b.txt").c_str(), shortName, MAX_PATH);
                         return std::string(shortName, length);
                     }}),
    CaseName<SameFileCase>);

INSTANTIATE_TEST_SUITE_P(
    Win32, FailingRun,
    testing::Values(
        Failure{"LockedSource",
                [](MergePageTest& p) {
                    p.held = std::make_shared<LockedFile>(p.src.At("b.txt"));
                    return p.out.At("t.txt");
                },
                {kFailed},
                "A1\r\nA2\r\n",
                true},
        // A source that is there but can't be looked at (its name is spelt in the ANSI code
        // page, not in UTF-8) fails the run before the target, here another name of it, is
        // emptied.
        Failure{"ASourceThatCantBeLookedAt",
                [](MergePageTest& p) {
                    if (!AnsiCodePageIsSingleByte()) {
                        return std::string();  // the ANSI code page here has no single-byte 0xE9
                    }
                    WriteAnsiFile(p.src.Text() + "\\caf\xE9.txt", "B\r\n");
                    const std::string path = p.out.At("t.txt");
                    std::filesystem::remove(path);
                    CreateHardLinkW(Wide(path).c_str(), Wide(p.src.At("caf\u00E9.txt")).c_str(),
                                    nullptr);
                    p.rows.Clear();
                    p.Rows({"a.txt", "caf\xE9.txt", "c.txt"});
                    return path;
                },
                {kFailed},
                "B\r\n",
                true}),
    CaseName<Failure>);

TEST_F(MergePageTest, ALockedTargetKeepsItsContent) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    const std::string path = out.Write("t.txt", "old\r\n");
    target.SetText(path);
    msgBox.answers = {MsgBox::Button::Yes};
    {
        const LockedFile lock(path);
        Merge();
    }
    EXPECT_EQ(Shown(), (Texts{kReplace, kFailed}));
    EXPECT_EQ(out.Read("t.txt"), "old\r\n");
}

}  // namespace
}  // namespace kelvane
