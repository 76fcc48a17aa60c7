// The merge page's procedures: the Save dialog, the checks before a run, its questions and
// messages, and the order of its steps. The file work itself is the engine's.
#include "pages/merge/mergepage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "mergepagetest.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Style = MsgBox::Style;
using Button = MsgBox::Button;
using Texts = std::vector<std::string>;

TEST_F(MergePageTest, SaveDialogIsSetUpAndItsChoiceAlwaysReachesTheTextBox) {
    MergePage::ConfigureSaveDialog(dialog);
    EXPECT_EQ(dialog.filter, "Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*");
    EXPECT_EQ(dialog.title, "Save Target File As");

    MergePage page(target, folders, rows, dialog, msgBox);
    dialog.choice = "/data/all.sql";
    page.cmdFileLookUp_Click();
    EXPECT_EQ(target.Text(), "/data/all.sql");

    target.SetText("typed by hand");
    dialog.choice.reset();  // cancelled: the dialog reports its previous file name
    page.cmdFileLookUp_Click();
    EXPECT_EQ(target.Text(), "/data/all.sql");
    EXPECT_EQ(dialog.shows, 2);
    EXPECT_TRUE(msgBox.shown.empty());
}

class BlankTarget : public MergePageTest, public testing::WithParamInterface<std::string> {};

TEST_P(BlankTarget, AsksForATargetAndTouchesNothing) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    target.SetText(GetParam());
    Merge();
    ASSERT_EQ(Shown(), Texts{kNoTarget});
    EXPECT_EQ(msgBox.shown[0].style, Style::Information);
    EXPECT_TRUE(files.opened.empty());
    EXPECT_EQ(target.Text(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, BlankTarget, testing::Values("", " ", "     "));

struct ContentCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> sources;  // file name, bytes
    Texts rows;
    std::string expected;
};

void PrintTo(const ContentCase& c, std::ostream* os) {
    *os << c.name;
}

class MergedContent : public MergePageTest, public testing::WithParamInterface<ContentCase> {};

// Through the Merge button, to a target named with spaces around it, which the text box keeps.
// With the usual buffers, and with buffers of a few bytes, into the first run's target.
TEST_P(MergedContent, TargetHoldsEveryLineOfTheListedFilesEndedByCrLf) {
    for (const auto& [name, bytes] : GetParam().sources) {
        src.Write(name, bytes);
    }
    Rows(GetParam().rows);
    const std::string typed = "  " + out.At("t.txt") + " ";
    target.SetText(typed);
    MergePage page(target, folders, rows, dialog, msgBox, files, MergeJob::kDefaultBufferSize);
    page.cmdMerge_Click();
    EXPECT_EQ(out.Read("t.txt"), GetParam().expected);
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_EQ(target.Text(), typed);

    msgBox.answers = {Button::Yes};
    Merge(3);
    EXPECT_EQ(out.Read("t.txt"), GetParam().expected);
    EXPECT_EQ(Shown(), Texts{kReplace});  // only the question before replacing the target
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergedContent,
    testing::Values(
        // A file's last line ends with it, even in a CR that the next file's LF follows.
        ContentCase{"InRowOrder",
                    {{"a.txt", "A\r\nB\r"}, {"b.txt", "\nC"}, {"empty.txt", ""}, {"lf.txt", "\n"}},
                    {"a.txt", "b.txt", "empty.txt", "lf.txt", "a.txt"},
                    "A\r\nB\r\r\n\r\nC\r\n\r\nA\r\nB\r\r\n"},
        ContentCase{"MissingNamesAreSkipped",
                    {{"a.txt", "A"}},
                    {"gone.txt", "a.txt", " a.txt", "A.TXT2"},
                    "A\r\n"},
        ContentCase{"NothingListed", {}, {}, ""},
        ContentCase{"NoListedNameExists", {}, {"x.txt", "y.txt"}, ""}),
    CaseName<ContentCase>);

TEST_F(MergePageTest, ExistingTargetIsReplacedOnlyAfterYes) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    target.SetText(out.Write("t.txt", "old\n"));

    msgBox.answers = {Button::No};
    Merge();
    ASSERT_EQ(Shown(), Texts{kReplace});
    EXPECT_EQ(msgBox.shown[0].style, Style::Question);
    EXPECT_EQ(out.Read("t.txt"), "old\n");
    EXPECT_TRUE(files.opened.empty());

    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), (Texts{kReplace, kReplace}));
    EXPECT_EQ(out.Read("t.txt"), "A\r\n");
}

TEST_F(MergePageTest, NamesAreLookedForInTheHighlightedFolder) {
    src.Write("a.txt", "top\n");
    src.MakeFolder("sub");
    src.Write("sub/a.txt", "sub\n");
    folders.SetPath(src.Text() + "/");  // read again, now that it holds a subfolder
    Rows({"a.txt"});
    target.SetText(out.At("t.txt"));
    Merge();
    EXPECT_EQ(out.Read("t.txt"), "top\r\n");

    folders.SetListIndex(0);  // a single click on the subfolder, not opened
    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(out.Read("t.txt"), "sub\r\n");
}

// With a few rows, and with as many as make the run look them up from the folder's listing.
TEST_P(TargetIsASource, IsRefusedBeforeAnythingIsAskedOrOpened) {
    src.Write("a.txt", "A\n");
    src.Write("b.txt", "B\n");
    const std::string path = GetParam().target(src);
    if (path.empty()) {
        GTEST_SKIP() << "links can't be made here";
    }
    Rows({"gone.txt", "a.txt", "b.txt"});
    for (const bool listed : {false, true}) {
        SCOPED_TRACE(listed);
        if (listed) {
            MoreRows();
        }
        msgBox.shown.clear();
        target.SetText(" " + path);
        msgBox.answers = {Button::Yes};
        Merge();
        ASSERT_EQ(Shown(), Texts{kTargetIsSource});
        EXPECT_EQ(msgBox.shown[0].style, Style::Information);
        EXPECT_TRUE(files.opened.empty());
        EXPECT_EQ(src.Read("b.txt"), "B\n");
    }
}

std::string Link(const TempFolder& d, bool hard) {
    std::error_code error;
    const fs::path link = d.Path() / "linked" / "b-link.txt";
    fs::create_directory(link.parent_path(), error);
    if (hard) {
        fs::create_hard_link(d.At("b.txt"), link, error);
    } else {
        fs::create_symlink(d.At("b.txt"), link, error);
    }
    return error ? std::string() : link.string();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TargetIsASource,
    testing::Values(
        SameFileCase{"SamePath", [](const TempFolder& d) { return d.At("b.txt"); }},
        SameFileCase{"OtherSpelling", [](const TempFolder& d) { return d.Text() + "/.//b.txt"; }},
        SameFileCase{"RelativePath",
                     [](const TempFolder& d) {
                         std::error_code error;
                         const auto relative = fs::relative(d.At("b.txt"), error);
                         return error ? std::string() : relative.string();
                     }},
        SameFileCase{"SymbolicLink", [](const TempFolder& d) { return Link(d, false); }},
        SameFileCase{"HardLink", [](const TempFolder& d) { return Link(d, true); }}),
    CaseName<SameFileCase>);

// Files changed while the question is open: the run takes them as they are once it is answered.
struct DuringTheQuestion {
    const char* name;
    // Done while the question shows; false where it can't be done here.
    std::function<bool(const TempFolder& src, const std::string& target)> change;
    Texts shown;
    std::string target;  // what the target's name reads after the run
};

void PrintTo(const DuringTheQuestion& c, std::ostream* os) {
    *os << c.name;
}

class ChangedDuringTheQuestion : public MergePageTest,
                                 public testing::WithParamInterface<DuringTheQuestion> {};

TEST_P(ChangedDuringTheQuestion, IsTakenAsItIsOnceAnswered) {
    src.Write("a.txt", "A\n");
    src.Write("b.txt", "B\n");
    Rows({"a.txt", "b.txt", "c.txt"});
    const std::string path = out.Write("t.txt", "old\n");
    target.SetText(path);
    msgBox.answers = {Button::Yes};
    bool changed = false;
    msgBox.onShow = [&](const FakeMsgBox::Shown&) {
        changed = changed || GetParam().change(src, path);
    };
    Merge();
    if (!changed) {
        GTEST_SKIP() << "links can't be made here";
    }
    EXPECT_EQ(Shown(), GetParam().shown);
    EXPECT_EQ(src.Read("b.txt"), "B\n");
    EXPECT_EQ(out.Read("t.txt"), GetParam().target);
}

// The target's name pointed at a source: the file opened is the source, and it is left as it is.
std::function<bool(const TempFolder&, const std::string&)> PointAtB(bool hard) {
    return [hard](const TempFolder& src, const std::string& target) {
        std::error_code error;
        fs::remove(target, error);
        hard ? fs::create_hard_link(src.At("b.txt"), target, error)
             : fs::create_symlink(src.At("b.txt"), target, error);
        return !error;
    };
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ChangedDuringTheQuestion,
    testing::Values(
        DuringTheQuestion{
            "TargetHardLinkedToASource", PointAtB(true), {kReplace, kTargetIsSource}, "B\n"},
        DuringTheQuestion{
            "TargetSymbolicLinkedToASource", PointAtB(false), {kReplace, kTargetIsSource}, "B\n"},
        DuringTheQuestion{"ListedFileMade",
                          [](const TempFolder& d, const std::string&) {
                              d.Write("c.txt", "C\n");
                              return true;
                          },
                          {kReplace},
                          "A\r\nB\r\nC\r\n"}),
    CaseName<DuringTheQuestion>);

TEST_F(MergePageTest, AnotherExistingFileIsNoSource) {
    src.Write("a.txt", "A\n");
    const std::string other = src.Write("other.txt", "O\n");  // in the folder, not listed
    Rows({"a.txt", "missing.txt"});
    target.SetText(other);
    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), Texts{kReplace});
    EXPECT_EQ(src.Read("other.txt"), "A\r\n");
}

// A listed name that doesn't exist yet, given as the target: the run makes it, and must not
// then read its own output back as a source.
TEST_F(MergePageTest, NewTargetNamedInTheListIsNotReadBack) {
    src.Write("a.txt", "A\n");
    src.Write("b.txt", "B\n");
    Rows({"a.txt", "t.txt", "b.txt"});
    target.SetText(src.At("t.txt"));
    Merge(2);
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_EQ(src.Read("t.txt"), "A\r\nB\r\n");
}

}  // namespace
}  // namespace kelvane
