// The merge page's procedures: the Save dialog, the checks before a run, its questions and
// messages, what a failing run reports, and the order of its steps. The file work itself is the
// engine's. Some runs write the target on a thread of its own while the sources are read: gates
// in the file doubles hold one side until the other has got to a chosen point, so that each case
// takes the same course every time.
#include "pages/merge/mergepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/text.h"
#include "childprocess.h"
#include "gate.h"
#include "mergepagetest.h"
#include "paramname.h"

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

const std::string kK = "B1\r\nB2 is long\r\nB3\r\n" + std::string(300, 'x');

// A run through the page's checks, questions and messages, over the sources a.txt, b.txt, the
// empty e.txt, k.txt (kK) and c.txt. Every question is answered alike.
struct PageRun {
    const char* name;
    Texts rows;
    // Arranges the case; returns the target's text.
    std::function<std::string(MergePageTest&)> target;
    Texts shown;
    // What the target's path holds afterwards, and while a failing run's message shows.
    std::optional<std::string> held;
    Button answer = Button::Yes;
    // Done while the question shows.
    std::function<void(const TempFolder& src, const std::string& target)> duringQuestion = {};
    bool cUnopened = false;     // c.txt, after the failing k.txt, is never opened
    bool unprivileged = false;  // arranged and run as a user whom file permissions bind
    // Buffers of a few bytes, so that the target is written while later sources are read.
    std::size_t bufferSize = 2;
    std::size_t behind = MergeJob::kDefaultBuffersBehind;
};

void PrintTo(const PageRun& c, std::ostream* os) {
    *os << c.name;
}

class PageRuns : public MergePageTest, public testing::WithParamInterface<PageRun> {};

TEST_P(PageRuns, AsksAndTellsInItsOrder) {
    const PageRun& c = GetParam();
    src.Write("a.txt", "A\r\nB\r");
    src.Write("b.txt", "\nC");
    src.Write("e.txt", "");
    src.Write("k.txt", kK);
    src.Write("c.txt", "C\n");
    Rows(c.rows);
    const auto run = [&] {
        const std::string text = c.target(*this);
        const auto entries = [&] { return std::distance(fs::directory_iterator(out.Path()), {}); };
        const auto before = entries();
        std::optional<std::string> atTheMessage;
        msgBox.answers = {c.answer, c.answer};
        msgBox.onShow = [&](const FakeMsgBox::Shown& box) {
            if (c.duringQuestion && box.text == kReplace) {
                c.duringQuestion(src, Trim(text));
            }
            atTheMessage = Held(Trim(text));
        };
        target.SetText(text);
        Merge(c.bufferSize, c.behind);
        EXPECT_EQ(Shown(), c.shown);
        for (const auto& box : msgBox.shown) {
            EXPECT_EQ(box.style, box.text == kReplace  ? Style::Question
                                 : box.text == kFailed ? Style::Critical
                                                       : Style::Information);
        }
        EXPECT_EQ(Held(Trim(text)), c.held);
        EXPECT_EQ(target.Text(), text);
        if (!c.shown.empty() && c.shown.back() == kFailed) {
            EXPECT_EQ(atTheMessage, c.held);
        }
        if (!c.held) {
            EXPECT_EQ(entries(), before);
        }
        if (c.shown == Texts{kNoTarget} || c.shown == Texts{kTargetIsSource} ||
            c.answer == Button::No) {
            EXPECT_TRUE(files.opened.empty());  // refused, or not to be replaced
        }
        if (c.cUnopened) {
            EXPECT_EQ(std::count(files.opened.begin(), files.opened.end(), "c.txt"), 0);
        }
    };
    if (!c.unprivileged) {
        run();
    } else if (!RunUnprivileged({src.Path(), out.Path()}, run)) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

std::string NewTarget(MergePageTest& p) {
    return p.out.At("t.txt");
}

// An existing target, in the folder but not listed.
std::string Existing(MergePageTest& p) {
    return p.src.Write("t.txt", "old\n");
}

// The target named as b.txt by another name of it, which it is told by: emptying it would lose
// the source.
std::string HardLinkToB(MergePageTest& p) {
    fs::create_hard_link(p.src.At("b.txt"), p.out.At("b-link.txt"));
    return p.out.At("b-link.txt");
}

const std::string kAB = "A\r\nB\r\r\n\r\nC\r\n";
const std::string kA = "A\r\nB\r\r\n";
const Texts kFailing = {"a.txt", "k.txt", "c.txt"};

// A run over a.txt, k.txt and c.txt, with the usual buffers, that fails with the fault the file
// doubles inject, into a target that held "old\n".
PageRun Injected(const char* name, std::function<void(FaultyFiles&)> inject, std::string held,
                 bool cUnopened) {
    return {.name = name,
            .rows = kFailing,
            .target =
                [inject](MergePageTest& p) {
                    inject(p.files);
                    return p.out.Write("t.txt", "old\n");
                },
            .shown = {kReplace, kFailed},
            .held = held,
            .cUnopened = cUnopened,
            .bufferSize = MergeJob::kDefaultBufferSize};
}

// What a case holds the two sides of a run with.
struct Hold {
    Gate first;
    Gate second;
    int reads = 0;
    bool failing = false;
};

// The first write waits until k.txt has been read to its end, then fails; the read that finds
// the end waits until the failure is known, which is before the target is cut back. So only the
// step to the next source is left to stop at the failure.
std::string WriteFailsAsKEnds(MergePageTest& p) {
    const auto h = std::make_shared<Hold>();
    p.files.onRead = [h](const std::string& name) {
        if (name == "k.txt" && ++h->reads == static_cast<int>(kK.size() / 4) + 1) {
            h->first.Open();
            h->second.Wait();
        }
    };
    p.files.onWrite = [h] {
        h->first.Wait();
        h->failing = true;
        throw FileError("no room left");
    };
    p.files.onCut = [h] {
        if (h->failing) {  // the target is cut when it is opened, too
            h->second.Open();
        }
    };
    return NewTarget(p);
}

// Reading k.txt fails inside its long last line, after 28 bytes read 4 at a time, while the first
// write waits for it: the message waits for the writer.
std::string ReadFailsWhileTheWriterWaits(MergePageTest& p) {
    const auto h = std::make_shared<Hold>();
    p.files.onRead = [h](const std::string& name) {
        if (name == "k.txt" && ++h->reads == 8) {
            h->first.Open();
            throw FileError("unreadable");
        }
    };
    p.files.onWrite = [h] { h->first.Wait(); };
    return NewTarget(p);
}

// Buffers of 4 bytes, enough of them behind that reading never waits for writing: it is held
// only where a case says.
constexpr std::size_t kManyBehind = 256;

INSTANTIATE_TEST_SUITE_P(
    Runs, PageRuns,
    testing::Values(
        // Each file's lines in row order, the last line of each ended with it, even in a CR that
        // the next file's LF follows; to a target named with spaces around it, which the text
        // box keeps.
        PageRun{"InRowOrder",
                {"a.txt", "b.txt", "e.txt", "a.txt"},
                [](MergePageTest& p) { return "  " + NewTarget(p) + " "; },
                {},
                kAB + kA},
        PageRun{"MissingNamesAreSkipped",
                {"gone.txt", "b.txt", " b.txt", "B.TXT2"},
                NewTarget,
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
                    return NewTarget(p);
                },
                {},
                "sub\r\n"},
        PageRun{"NothingListed", {}, NewTarget, {}, ""},
        PageRun{"BlankTarget",
                {"a.txt"},
                [](MergePageTest&) { return std::string("   "); },
                {kNoTarget},
                std::nullopt},
        // Beside a listed name that is missing.
        PageRun{"ExistingTargetKeptOnNo",
                {"a.txt", "missing.txt"},
                Existing,
                {kReplace},
                "old\n",
                Button::No},
        PageRun{"ExistingTargetReplacedOnYes", {"a.txt", "missing.txt"}, Existing, {kReplace}, kA},
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
                {"a.txt", "new.txt"},
                Existing,
                {kReplace},
                kA + "N\r\n",
                Button::Yes,
                [](const TempFolder& src, const std::string&) { src.Write("new.txt", "N\n"); }},
        // A source made another name of the target while the question shows: the run skips it,
        // rather than read back what it writes (a read of it fails the run).
        PageRun{"SourceLinkedToTheTargetDuringTheQuestion",
                {"a.txt", "b.txt", "c.txt"},
                [](MergePageTest& p) {
                    p.files.failReadAt["b.txt"] = 0;
                    return Existing(p);
                },
                {kReplace},
                kA + "C\r\n",
                Button::Yes,
                [](const TempFolder& src, const std::string& target) {
                    fs::remove(src.At("b.txt"));
                    fs::create_hard_link(target, src.At("b.txt"));
                }},
        // A listed name that doesn't exist yet: the run makes it, and must not then read its own
        // output back as a source.
        PageRun{"NewTargetNamedInTheListIsNotReadBack",
                {"a.txt", "t.txt", "b.txt"},
                [](MergePageTest& p) { return p.src.At("t.txt"); },
                {},
                kAB},
        // Failing runs: the critical message shows while the target holds what it held, or the
        // whole lines copied before the failure. A target that can't be made: nothing is.
        PageRun{"TargetIsAFolder",
                kFailing,
                [](MergePageTest& p) { return p.out.MakeFolder("t.txt"); },
                {kFailed},
                std::nullopt},
        Injected(
            "SourceCantBeOpened", [](FaultyFiles& f) { f.failOpen = {"k.txt"}; }, kA, true),
        Injected(
            "SourceFailsInsideALine", [](FaultyFiles& f) { f.failReadAt["k.txt"] = 8; },
            kA + "B1\r\n", true),
        // Writing the target fails with a failure of another kind, or only when it is closed.
        Injected(
            "WriteRaisesAnotherError",
            [](FaultyFiles& f) { f.onWrite = [] { throw std::runtime_error("no room left"); }; },
            "", false),
        Injected(
            "TargetFailsOnClosing", [](FaultyFiles& f) { f.failClose = true; },
            kA + kK + "\r\nC\r\n", false),
        // A source that is there but can't be looked at fails the run before the target is
        // touched, as a user whom the file system's permissions bind.
        PageRun{.name = "SourceInAFolderThatCantBeEntered",
                .rows = kFailing,
                .target =
                    [](MergePageTest& p) {
                        fs::permissions(p.src.Path(),
                                        fs::perms::owner_read | fs::perms::owner_write);
                        return p.out.Write("t.txt", "old\n");
                    },
                .shown = {kFailed},
                .held = "old\n",
                .cUnopened = true,
                .unprivileged = true},
        PageRun{.name = "WriteFailsWhileTheNextSourceIsRead",
                .rows = kFailing,
                .target = WriteFailsAsKEnds,
                .shown = {kFailed},
                .held = "",
                .cUnopened = true,
                .bufferSize = 4,
                .behind = kManyBehind},
        PageRun{.name = "ReadFailsWhileTheWriterIsBusy",
                .rows = kFailing,
                .target = ReadFailsWhileTheWriterWaits,
                .shown = {kFailed},
                .held = kA + "B1\r\nB2 is long\r\nB3\r\n",
                .cUnopened = true,
                .bufferSize = 4,
                .behind = kManyBehind}),
    ParamName<PageRun>);

}  // namespace
}  // namespace kelvane
