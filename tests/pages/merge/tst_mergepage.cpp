// The merge page's procedures: the Save dialog, the checks before a run, its questions and
// messages, and the order of its steps. The file work itself is the engine's.
#include "pages/merge/mergepage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "base/text.h"
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

// The subfolder's name is outside any one code page; with a few rows, and with as many as make
// the run look them up from its listing.
TEST_F(MergePageTest, NamesAreLookedForInTheHighlightedFolder) {
    src.Write("a.txt", "top\n");
    src.MakeFolder("\u03A9 \u65E5\u672C");
    src.Write("\u03A9 \u65E5\u672C/a.txt", "sub\n");
    folders.SetPath(src.Text() + "/");  // read again, now that it holds a subfolder
    Rows({"a.txt"});
    target.SetText(out.At("t.txt"));
    Merge();
    EXPECT_EQ(out.Read("t.txt"), "top\r\n");

    folders.SetListIndex(0);  // a single click on the subfolder, not opened
    for (const bool listed : {false, true}) {
        if (listed) {
            MoreRows();  // in the open folder, not in the subfolder
        }
        msgBox.answers = {Button::Yes};
        Merge();
        EXPECT_EQ(out.Read("t.txt"), "sub\r\n");
    }
}

// A run through the page's checks and questions, over sources a.txt and b.txt, with buffers of
// a few bytes. Every question is answered alike.
struct PageRun {
    const char* name;
    Texts rows;
    // The target's text, made as the case needs; none where it can't be made here.
    std::function<std::optional<std::string>(MergePageTest&)> target;
    Button answer;
    Texts shown;
    std::optional<std::string> held;  // what the target's path holds afterwards
    // Done while the question shows; false where it can't be done here.
    std::function<bool(const TempFolder& src, const std::string& target)> duringQuestion = {};
};

void PrintTo(const PageRun& c, std::ostream* os) {
    *os << c.name;
}

class Procedure : public MergePageTest, public testing::WithParamInterface<PageRun> {};

// A target refused at once is refused with as many rows as make the run look them up from the
// folder's listing, too.
TEST_P(Procedure, AsksAndTellsInItsOrder) {
    const PageRun& c = GetParam();
    src.Write("a.txt", "A\n");
    src.Write("b.txt", "B\n");
    Rows(c.rows);
    const std::optional<std::string> text = c.target(*this);
    if (!text) {
        GTEST_SKIP() << "links can't be made here";
    }
    for (const bool listed : {false, true}) {
        SCOPED_TRACE(listed);
        if (listed && c.shown != Texts{kTargetIsSource}) {
            break;
        }
        if (listed) {
            MoreRows();
        }
        msgBox.shown.clear();
        msgBox.answers = {c.answer, c.answer};
        bool changed = false;
        msgBox.onShow = [&](const FakeMsgBox::Shown& box) {
            if (c.duringQuestion && box.text == kReplace) {
                changed = c.duringQuestion(src, Trim(*text));
            }
        };
        target.SetText(*text);
        Merge(2);
        if (c.duringQuestion && !changed) {
            GTEST_SKIP() << "links can't be made here";
        }
        EXPECT_EQ(Shown(), c.shown);
        for (const auto& box : msgBox.shown) {
            EXPECT_EQ(box.style, box.text == kReplace ? Style::Question : Style::Information);
        }
        EXPECT_EQ(Held(Trim(*text)), c.held);
        EXPECT_EQ(src.Read("b.txt"), "B\n");
        EXPECT_EQ(target.Text(), *text);
        if (c.shown.size() == 1 && (c.shown[0] != kReplace || c.answer != Button::Yes)) {
            EXPECT_TRUE(files.opened.empty());  // refused, or not to be replaced
        }
    }
}

PageRun Blank(const char* name, const std::string& text) {
    return {name,        {"a.txt"},   [=](MergePageTest&) { return text; },
            Button::Yes, {kNoTarget}, std::nullopt};
}

PageRun Existing(const char* name, Button answer, std::string held) {
    return {name,   {"a.txt"},  [](MergePageTest& p) { return p.out.Write("t.txt", "old\n"); },
            answer, {kReplace}, held};
}

// The target named as b.txt, by any name: emptying it would lose the source.
PageRun SameFile(const char* name, std::function<std::string(const TempFolder&)> path) {
    return {name,
            {"gone.txt", "a.txt", "b.txt"},
            [=](MergePageTest& t) -> std::optional<std::string> {
                const std::string made = path(t.src);
                return made.empty() ? std::nullopt : std::optional(" " + made);
            },
            Button::Yes,
            {kTargetIsSource},
            "B\n"};
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

// Files changed while the question is open: the run takes them as they are once it is answered.
PageRun DuringTheQuestion(const char* name,
                          std::function<bool(const TempFolder&, const std::string&)> change,
                          Texts shown, std::string held) {
    return {name,
            {"a.txt", "b.txt", "c.txt"},
            [](MergePageTest& p) { return p.out.Write("t.txt", "old\n"); },
            Button::Yes,
            std::move(shown),
            held,
            std::move(change)};
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
    Runs, Procedure,
    testing::Values(Blank("Empty", ""), Blank("Space", " "), Blank("Spaces", "     "),
                    Existing("ExistingTargetKeptOnNo", Button::No, "old\n"),
                    Existing("ExistingTargetReplacedOnYes", Button::Yes, "A\r\n"),
                    SameFile("SamePath", [](const TempFolder& d) { return d.At("b.txt"); }),
                    SameFile("OtherSpelling",
                             [](const TempFolder& d) { return d.Text() + "/.//b.txt"; }),
                    SameFile("RelativePath",
                             [](const TempFolder& d) {
                                 std::error_code error;
                                 const auto relative = fs::relative(d.At("b.txt"), error);
                                 return error ? std::string() : relative.string();
                             }),
                    SameFile("SymbolicLink", [](const TempFolder& d) { return Link(d, false); }),
                    SameFile("HardLink", [](const TempFolder& d) { return Link(d, true); }),
                    DuringTheQuestion("TargetHardLinkedToASource", PointAtB(true),
                                      {kReplace, kTargetIsSource}, "B\n"),
                    DuringTheQuestion("TargetSymbolicLinkedToASource", PointAtB(false),
                                      {kReplace, kTargetIsSource}, "B\n"),
                    DuringTheQuestion(
                        "ListedFileMade",
                        [](const TempFolder& d, const std::string&) {
                            d.Write("c.txt", "C\n");
                            return true;
                        },
                        {kReplace}, "A\r\nB\r\nC\r\n"),
                    // In the folder, not listed.
                    PageRun{"AnotherExistingFileIsNoSource",
                            {"a.txt", "missing.txt"},
                            [](MergePageTest& p) { return p.src.Write("other.txt", "O\n"); },
                            Button::Yes,
                            {kReplace},
                            "A\r\n"},
                    // A listed name that doesn't exist yet: the run makes it, and must not then
                    // read its own output back as a source.
                    PageRun{"NewTargetNamedInTheListIsNotReadBack",
                            {"a.txt", "t.txt", "b.txt"},
                            [](MergePageTest& p) { return p.src.At("t.txt"); },
                            Button::Yes,
                            {},
                            "A\r\nB\r\n"}),
    CaseName<PageRun>);

}  // namespace
}  // namespace kelvane
