// The merge page's procedures: the Save dialog, the checks before a run, its questions and
// messages, and the order of its steps. The file work itself is the engine's.
#include "pages/merge/mergepage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
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

TEST_F(MergePageTest, TheSaveDialogsChoiceAlwaysReachesTheTextBox) {
    MergePage page(target, folders, rows, dialog, msgBox);
    dialog.choice = "/data/all.sql";
    page.cmdFileLookUp_Click();
    EXPECT_EQ(target.Text(), "/data/all.sql");

    target.SetText("typed by hand");
    dialog.choice.reset();  // cancelled: the dialog reports its previous file name
    page.cmdFileLookUp_Click();
    EXPECT_EQ(target.Text(), "/data/all.sql");
}

// A run through the page's checks and questions, over sources a.txt, b.txt and the empty e.txt,
// with buffers of a few bytes. Every question is answered alike.
struct PageRun {
    const char* name;
    Texts rows;
    // The target's text, made as the case needs; empty where it can't be made here.
    std::function<std::string(MergePageTest&)> target;
    Texts shown;
    std::optional<std::string> held;  // what the target's path holds afterwards
    Button answer = Button::Yes;
    // Done while the question shows.
    std::function<void(const TempFolder& src, const std::string& target)> duringQuestion = {};
};

class Procedure : public MergePageTest, public testing::WithParamInterface<PageRun> {};

TEST_P(Procedure, AsksAndTellsInItsOrder) {
    const PageRun& c = GetParam();
    src.Write("a.txt", "A\r\nB\r");
    src.Write("b.txt", "\nC");
    src.Write("e.txt", "");
    Rows(c.rows);
    const std::string text = c.target(*this);
    if (text.empty()) {
        GTEST_SKIP() << "links can't be made here";
    }
    msgBox.answers = {c.answer, c.answer};
    msgBox.onShow = [&](const FakeMsgBox::Shown& box) {
        if (c.duringQuestion && box.text == kReplace) {
            c.duringQuestion(src, Trim(text));
        }
    };
    target.SetText(text);
    Merge(2);
    EXPECT_EQ(Shown(), c.shown);
    for (const auto& box : msgBox.shown) {
        EXPECT_EQ(box.style, box.text == kReplace ? Style::Question : Style::Information);
    }
    EXPECT_EQ(Held(Trim(text)), c.held);
    EXPECT_EQ(target.Text(), text);
    if (c.shown.size() == 1 && (c.shown[0] != kReplace || c.answer != Button::Yes)) {
        EXPECT_TRUE(files.opened.empty());  // refused, or not to be replaced
    }
}

// The target named as b.txt by another name of it, which it is told by: emptying it would lose
// the source.
std::string HardLinkToB(MergePageTest& t) {
    std::error_code error;
    fs::create_hard_link(t.src.At("b.txt"), t.out.At("b-link.txt"), error);
    return error ? std::string() : t.out.At("b-link.txt");
}

// An existing target, in the folder but not listed, beside a listed name that is missing.
std::string Existing(MergePageTest& t) {
    return t.src.Write("t.txt", "old\n");
}

const std::string kAB = "A\r\nB\r\r\n\r\nC\r\n";

INSTANTIATE_TEST_SUITE_P(
    Runs, Procedure,
    testing::Values(
        // Each file's lines in row order, the last line of each ended with it, even in a CR that
        // the next file's LF follows; to a target named with spaces around it, which the text
        // box keeps.
        PageRun{"InRowOrder",
                {"a.txt", "b.txt", "e.txt", "a.txt"},
                [](MergePageTest& p) { return "  " + p.out.At("t.txt") + " "; },
                {},
                kAB + "A\r\nB\r\r\n"},
        PageRun{"MissingNamesAreSkipped",
                {"gone.txt", "b.txt", " b.txt", "B.TXT2"},
                [](MergePageTest& p) { return p.out.At("t.txt"); },
                {},
                "\r\nC\r\n"},
        // The names are looked for in the folder highlighted by a single click, not opened,
        // whose name is outside any one code page.
        PageRun{"NamesAreLookedForInTheHighlightedFolder",
                {"a.txt"},
                [](MergePageTest& p) {
                    p.src.MakeFolder("\u03A9 \u65E5\u672C");
                    p.src.Write("\u03A9 \u65E5\u672C/a.txt", "sub\n");
                    p.folders.SetPath(p.src.Text() + "/");  // read again, now with the subfolder
                    p.folders.SetListIndex(0);
                    return p.out.At("t.txt");
                },
                {},
                "sub\r\n"},
        PageRun{"NothingListed", {}, [](MergePageTest& p) { return p.out.At("t.txt"); }, {}, ""},
        PageRun{"BlankTarget",
                {"a.txt"},
                [](MergePageTest&) { return std::string("   "); },
                {kNoTarget},
                std::nullopt},
        PageRun{"ExistingTargetKeptOnNo",
                {"a.txt", "missing.txt"},
                Existing,
                {kReplace},
                "old\n",
                Button::No},
        PageRun{"ExistingTargetReplacedOnYes",
                {"a.txt", "missing.txt"},
                Existing,
                {kReplace},
                "A\r\nB\r\r\n"},
        PageRun{"TargetIsAnotherNameOfASource",
                {"gone.txt", "a.txt", "b.txt"},
                HardLinkToB,
                {kTargetIsSource},
                "\nC"},
        // Files changed while the question is open: the run takes them as they are once it is
        // answered. The target's name pointed at a source: the file opened is the source, and it
        // is left as it is.
        PageRun{"TargetLinkedToASourceDuringTheQuestion",
                {"a.txt", "b.txt"},
                Existing,
                {kReplace, kTargetIsSource},
                "\nC",
                Button::Yes,
                [](const TempFolder& src, const std::string& target) {
                    fs::remove(target);
                    fs::create_hard_link(src.At("b.txt"), target);
                }},
        PageRun{"ListedFileMadeDuringTheQuestion",
                {"a.txt", "c.txt"},
                Existing,
                {kReplace},
                "A\r\nB\r\r\nC\r\n",
                Button::Yes,
                [](const TempFolder& src, const std::string&) { src.Write("c.txt", "C\n"); }},
        // A listed name that doesn't exist yet: the run makes it, and must not then read its own
        // output back as a source.
        PageRun{"NewTargetNamedInTheListIsNotReadBack",
                {"a.txt", "t.txt", "b.txt"},
                [](MergePageTest& p) { return p.src.At("t.txt"); },
                {},
                kAB}),
    CaseName<PageRun>);

}  // namespace
}  // namespace kelvane
