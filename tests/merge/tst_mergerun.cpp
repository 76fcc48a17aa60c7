#include "merge/mergerun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "childprocess.h"
#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "faketextbox.h"
#include "faultyfiles.h"
#include "tempfolder.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::FakeFolderList;
using test::FakeListWidget;
using test::FakeMsgBox;
using test::FakeSaveDialog;
using test::FakeTextBox;
using test::FaultyFiles;
using test::TempFolder;
using Style = MsgBox::Style;
using Button = MsgBox::Button;

const std::string kNoTarget = "Please key in a valid target file";
const std::string kTargetIsSource =
    "The target file is one of the files to merge. Please give another target file.";
const std::string kReplace = "The file already exists!. Do you want to replace this file?";
const std::string kFailed =
    "Some error occurred in the merging.  If this is a bug please report to Dunmarrow.";

class MergeRunTest : public testing::Test {
  protected:
    void SetUp() override { folders.SetPath(src.Text()); }

    void Rows(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            rows.AddItem(name);
        }
    }

    void Merge(std::size_t bufferSize = FileServices::kDefaultBufferSize) {
        MergeRun run(target, folders, rows, dialog, msgBox, files, bufferSize);
        run.MergeFiles();
    }

    // The texts of the boxes shown, each checked for its title.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& box : msgBox.shown) {
            EXPECT_EQ(box.title, "Kelvane Message");
            texts.push_back(box.text);
        }
        return texts;
    }

    TempFolder src;
    TempFolder out;
    FakeFolderList folders;
    FakeListWidget rows;
    FakeTextBox target;
    FakeSaveDialog dialog;
    FakeMsgBox msgBox;
    FaultyFiles files;
};

TEST_F(MergeRunTest, SaveDialogIsSetUpAndItsChoiceAlwaysReachesTheTextBox) {
    MergeRun::ConfigureSaveDialog(dialog);
    EXPECT_EQ(dialog.filter, "Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*");
    EXPECT_EQ(dialog.title, "Save Target File As");

    MergeRun run(target, folders, rows, dialog, msgBox);
    dialog.choice = "/data/all.sql";
    run.cmdFileLookUp_Click();
    EXPECT_EQ(target.Text(), "/data/all.sql");

    target.SetText("typed by hand");
    dialog.choice.reset();  // cancelled: the dialog reports its previous file name
    run.cmdFileLookUp_Click();
    EXPECT_EQ(target.Text(), "/data/all.sql");
    EXPECT_EQ(dialog.shows, 2);
    EXPECT_TRUE(msgBox.shown.empty());
}

class BlankTarget : public MergeRunTest, public testing::WithParamInterface<std::string> {};

TEST_P(BlankTarget, AsksForATargetAndTouchesNothing) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    target.SetText(GetParam());
    Merge();
    ASSERT_EQ(Shown(), std::vector<std::string>{kNoTarget});
    EXPECT_EQ(msgBox.shown[0].style, Style::Information);
    EXPECT_TRUE(files.opened.empty());
    EXPECT_EQ(target.Text(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, BlankTarget, testing::Values("", " ", "     "));

TEST_F(MergeRunTest, TargetPathIsTrimmedButTheTextBoxKeepsItsSpaces) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    target.SetText("  " + out.At("t.txt") + "  ");
    MergeRun run(target, folders, rows, dialog, msgBox, files);
    run.cmdMerge_Click();
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_EQ(out.Read("t.txt"), "A\r\n");
    EXPECT_EQ(target.Text(), "  " + out.At("t.txt") + "  ");
}

struct ContentCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> sources;  // file name, bytes
    std::vector<std::string> rows;
    std::string expected;
};

void PrintTo(const ContentCase& c, std::ostream* os) {
    *os << c.name;
}

class MergedContent : public MergeRunTest, public testing::WithParamInterface<ContentCase> {};

// Each case runs with the usual buffers and with buffers of a few bytes.
TEST_P(MergedContent, TargetHoldsEveryLineEndedByCrLf) {
    for (const std::size_t bufferSize : {FileServices::kDefaultBufferSize, std::size_t{3}}) {
        SCOPED_TRACE(bufferSize);
        for (const auto& [name, bytes] : GetParam().sources) {
            src.Write(name, bytes);
        }
        rows.Clear();
        Rows(GetParam().rows);
        target.SetText(out.At("t.txt"));
        msgBox.shown.clear();
        msgBox.answers = {Button::Yes};
        Merge(bufferSize);
        EXPECT_EQ(out.Read("t.txt"), GetParam().expected);
        // Only the question before replacing the first run's target.
        EXPECT_EQ(Shown(), bufferSize == 3 ? std::vector<std::string>{kReplace}
                                           : std::vector<std::string>{});
    }
}

const std::string kRaw("\xEF\xBB\xBFid\0\x1A\xFF\xFE\xC3(\x80", 12);

INSTANTIATE_TEST_SUITE_P(
    Cases, MergedContent,
    testing::Values(ContentCase{"LastLineWithoutEnd",
                                {{"a.txt", "A\r\nB"}, {"c.txt", "C"}},
                                {"a.txt", "c.txt"},
                                "A\r\nB\r\nC\r\n"},
                    ContentCase{"RowOrderIsMergeOrder",
                                {{"a.txt", "A\n"}, {"b.txt", "B\n"}},
                                {"b.txt", "a.txt", "b.txt"},
                                "B\r\nA\r\nB\r\n"},
                    ContentCase{"LfAndCrLfSources",
                                {{"unix.sql", "1\n2\n"}, {"dos.sql", "3\r\n4\r\n"}},
                                {"unix.sql", "dos.sql"},
                                "1\r\n2\r\n3\r\n4\r\n"},
                    ContentCase{"EmptyAndLineEndOnlySources",
                                {{"empty.txt", ""}, {"crlf.txt", "\r\n"}, {"lf.txt", "\n"}},
                                {"empty.txt", "crlf.txt", "empty.txt", "lf.txt"},
                                "\r\n\r\n"},
                    ContentCase{"LoneCrStaysInTheLine",
                                {{"a.txt", "x\ry\n\rz\r"}},
                                {"a.txt"},
                                "x\ry\r\n\rz\r\r\n"},
                    ContentCase{"RawBytesPassUnchanged",
                                {{"raw.dat", kRaw + "\n" + kRaw}},
                                {"raw.dat"},
                                kRaw + "\r\n" + kRaw + "\r\n"},
                    ContentCase{"MissingNamesAreSkipped",
                                {{"a.txt", "A"}},
                                {"gone.txt", "a.txt", " a.txt", "A.TXT2"},
                                "A\r\n"},
                    ContentCase{"NothingListed", {}, {}, ""},
                    ContentCase{"NoListedNameExists", {}, {"x.txt", "y.txt"}, ""}),
    [](const testing::TestParamInfo<ContentCase>& p) { return p.param.name; });

TEST_F(MergeRunTest, ExistingTargetIsReplacedOnlyAfterYes) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    out.Write("t.txt", "old\n");
    target.SetText(out.At("t.txt"));

    msgBox.answers = {Button::No};
    Merge();
    ASSERT_EQ(Shown(), std::vector<std::string>{kReplace});
    EXPECT_EQ(msgBox.shown[0].style, Style::Question);
    EXPECT_EQ(out.Read("t.txt"), "old\n");
    EXPECT_TRUE(files.opened.empty());

    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), (std::vector<std::string>{kReplace, kReplace}));
    EXPECT_EQ(out.Read("t.txt"), "A\r\n");
}

TEST_F(MergeRunTest, NamesAreLookedForInTheHighlightedFolder) {
    src.Write("a.txt", "top\n");
    src.MakeFolder("sub");
    src.Write("sub/a.txt", "sub\n");
    folders.SetPath(src.Text() + "/");  // the folder's text may end with a separator
    Rows({"a.txt"});
    target.SetText(out.At("t.txt"));
    Merge();
    EXPECT_EQ(out.Read("t.txt"), "top\r\n");

    folders.SetListIndex(0);  // a single click on the subfolder, not opened
    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(out.Read("t.txt"), "sub\r\n");
}

struct BadTarget {
    const char* name;
    std::function<std::string(const TempFolder&)> path;
    bool exists;  // the question comes first, answered Yes
};

void PrintTo(const BadTarget& c, std::ostream* os) {
    *os << c.name;
}

class UnwritableTarget : public MergeRunTest, public testing::WithParamInterface<BadTarget> {};

TEST_P(UnwritableTarget, GivesTheCriticalMessageAndCreatesNothing) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    const std::string path = GetParam().path(out);
    if (path.empty()) {
        GTEST_SKIP() << "not available on this system";
    }
    target.SetText(path);
    msgBox.answers = {Button::Yes};
    const auto before = std::distance(fs::directory_iterator(out.Path()), {});
    Merge();
    if (GetParam().exists) {
        ASSERT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
    } else {
        ASSERT_EQ(Shown(), std::vector<std::string>{kFailed});
    }
    EXPECT_EQ(msgBox.shown.back().style, Style::Critical);
    EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), {}), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnwritableTarget,
    testing::Values(
        BadTarget{"FolderMissing", [](const TempFolder& d) { return d.At("missing/t.txt"); },
                  false},
        BadTarget{"TargetIsAFolder", [](const TempFolder& d) { return d.MakeFolder("t.txt"); },
                  false},
        BadTarget{"UnderAFile",
                  [](const TempFolder& d) { return d.Write("file", "keep") + "/t.txt"; }, false},
        // A device that takes no data: the failure shows only when the data goes out.
        BadTarget{"FullDisk",
                  [](const TempFolder&) {
                      return fs::exists("/dev/full") ? std::string("/dev/full") : std::string();
                  },
                  true}),
    [](const testing::TestParamInfo<BadTarget>& p) { return p.param.name; });

TEST_F(MergeRunTest, ReadOnlyTargetKeepsItsContent) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    const std::string path = out.Write("t.txt", "old\n");
    target.SetText(path);
    files.failOpen = {"t.txt"};  // as a read-only file refuses to open for writing
    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
    EXPECT_EQ(out.Read("t.txt"), "old\n");
}

TEST_F(MergeRunTest, ReadOnlyTargetOnTheFileSystem) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    const std::string path = out.Write("t.txt", "old\n");
    target.SetText(path);
    msgBox.answers = {Button::Yes};
    const bool ran = test::RunUnprivileged({out.Path()}, [&] {
        fs::permissions(path, fs::perms::owner_read);
        Merge();
        EXPECT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
        EXPECT_EQ(out.Read("t.txt"), "old\n");
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

// A source that fails in the middle of the list: the run stops there, the target keeps the
// lines before the failure, and later rows are not opened.
struct SourceFault {
    const char* name;
    std::function<void(FaultyFiles&)> inject;
    std::string expected;
};

void PrintTo(const SourceFault& c, std::ostream* os) {
    *os << c.name;
}

class FailingSource : public MergeRunTest, public testing::WithParamInterface<SourceFault> {};

// Each case runs with the usual buffers and with buffers shorter than a line, which write
// the start of a line out before its end is read.
TEST_P(FailingSource, StopsWithTheCriticalMessage) {
    src.Write("a.txt", "A1\nA2\n");
    src.Write("b.txt", "B1\r\nB2 is long\r\nB3\r\n");
    src.Write("c.txt", "C\n");
    Rows({"a.txt", "b.txt", "c.txt"});
    target.SetText(out.At("t.txt"));
    GetParam().inject(files);
    std::string heldAtTheMessage;
    msgBox.onShow = [&](const FakeMsgBox::Shown&) { heldAtTheMessage = out.Read("t.txt"); };
    for (const std::size_t bufferSize : {FileServices::kDefaultBufferSize, std::size_t{3}}) {
        SCOPED_TRACE(bufferSize);
        msgBox.shown.clear();
        files.opened.clear();
        out.Write("t.txt", "old\n");
        msgBox.answers = {Button::Yes};
        Merge(bufferSize);
        ASSERT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
        EXPECT_EQ(msgBox.shown[1].style, Style::Critical);
        EXPECT_EQ(heldAtTheMessage, GetParam().expected);
        EXPECT_EQ(out.Read("t.txt"), GetParam().expected);
        EXPECT_EQ(std::count(files.opened.begin(), files.opened.end(), "c.txt"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingSource,
    testing::Values(
        SourceFault{"CantBeOpened", [](FaultyFiles& f) { f.failOpen = {"b.txt"}; }, "A1\r\nA2\r\n"},
        SourceFault{"FailsAtItsFirstByte", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 0; },
                    "A1\r\nA2\r\n"},
        SourceFault{"FailsInsideALine", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 8; },
                    "A1\r\nA2\r\nB1\r\n"},
        SourceFault{"FailsAfterALineEnd", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 4; },
                    "A1\r\nA2\r\nB1\r\n"}),
    [](const testing::TestParamInfo<SourceFault>& p) { return p.param.name; });

TEST_F(MergeRunTest, UnreadableSourceOnTheFileSystem) {
    src.Write("a.txt", "A\n");
    const std::string unreadable = src.Write("b.txt", "B\n");
    Rows({"a.txt", "b.txt"});
    target.SetText(out.At("t.txt"));
    const bool ran = test::RunUnprivileged({src.Path(), out.Path()}, [&] {
        fs::permissions(unreadable, fs::perms::none);
        Merge();
        EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
        EXPECT_EQ(out.Read("t.txt"), "A\r\n");
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

// A source that is there but can't be looked at fails the run before the target is touched,
// even where the target is another name of that source.
struct UnreachableCase {
    const char* name;
    // Makes the target t.txt in `out`, and makes b.txt in `folder` unreachable.
    std::function<void(const TempFolder& out, const fs::path& folder)> arrange;
};

void PrintTo(const UnreachableCase& c, std::ostream* os) {
    *os << c.name;
}

class UnreachableSource : public MergeRunTest,
                          public testing::WithParamInterface<UnreachableCase> {};

TEST_P(UnreachableSource, FailsTheRunBeforeTheTargetIsEmptied) {
    const fs::path folder = src.MakeFolder("f");
    src.Write("f/a.txt", "A\n");
    src.Write("f/b.txt", "B\n");
    folders.SetPath(folder.string());
    Rows({"a.txt", "b.txt"});
    target.SetText(out.At("t.txt"));
    msgBox.answers = {Button::Yes};
    const bool ran = test::RunUnprivileged({src.Path(), out.Path()}, [&] {
        GetParam().arrange(out, folder);
        Merge();
        EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
        EXPECT_EQ(out.Read("t.txt"), "B\n");
        fs::permissions(folder, fs::perms::owner_all);  // so that it can be removed
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

constexpr fs::perms kListOnly = fs::perms::owner_read | fs::perms::owner_write;

INSTANTIATE_TEST_SUITE_P(
    Ways, UnreachableSource,
    testing::Values(UnreachableCase{"FolderListedButNotEntered",
                                    [](const TempFolder& out, const fs::path& folder) {
                                        out.Write("t.txt", "B\n");
                                        fs::permissions(folder, kListOnly);
                                    }},
                    UnreachableCase{"TargetIsAHardLinkToIt",
                                    [](const TempFolder& out, const fs::path& folder) {
                                        fs::create_hard_link(folder / "b.txt", out.At("t.txt"));
                                        fs::permissions(folder, kListOnly);
                                    }},
                    UnreachableCase{"LoopOfLinks",
                                    [](const TempFolder& out, const fs::path& folder) {
                                        out.Write("t.txt", "B\n");
                                        fs::remove(folder / "b.txt");
                                        fs::create_symlink("b.txt", folder / "b.txt");
                                    }}),
    [](const testing::TestParamInfo<UnreachableCase>& p) { return p.param.name; });

TEST_F(MergeRunTest, FailuresWritingTheTargetAreReported) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    target.SetText(out.At("t.txt"));

    files.failWriteAt = 1;  // the disk fills up
    Merge();
    EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
    EXPECT_EQ(out.Read("t.txt"), "A");

    files.failWriteAt.reset();
    files.failClose = true;  // the system reports the failure only when the file is closed
    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), (std::vector<std::string>{kFailed, kReplace, kFailed}));
    EXPECT_EQ(out.Read("t.txt"), "A\r\n");
}

// The target named as one of the sources, by any name: emptying it would lose the source.
struct SameFileCase {
    const char* name;
    std::function<std::string(const TempFolder&)> target;
};

void PrintTo(const SameFileCase& c, std::ostream* os) {
    *os << c.name;
}

class TargetIsASource : public MergeRunTest, public testing::WithParamInterface<SameFileCase> {};

TEST_P(TargetIsASource, IsRefusedBeforeAnythingIsAskedOrOpened) {
    src.Write("a.txt", "A\n");
    src.Write("b.txt", "B\n");
    Rows({"gone.txt", "a.txt", "b.txt"});
    const std::string path = GetParam().target(src);
    if (path.empty()) {
        GTEST_SKIP() << "links can't be made here";
    }
    target.SetText(" " + path);
    msgBox.answers = {Button::Yes};
    Merge();
    ASSERT_EQ(Shown(), std::vector<std::string>{kTargetIsSource});
    EXPECT_EQ(msgBox.shown[0].style, Style::Information);
    EXPECT_TRUE(files.opened.empty());
    EXPECT_EQ(src.Read("b.txt"), "B\n");
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
    [](const testing::TestParamInfo<SameFileCase>& p) { return p.param.name; });

// The target's name pointed at a source while the question is open: the file opened is the
// source, and it is left as it is.
class TargetLinkedDuringTheQuestion : public MergeRunTest,
                                      public testing::WithParamInterface<bool> {};

TEST_P(TargetLinkedDuringTheQuestion, IsRefusedAndTheSourceKept) {
    const bool hard = GetParam();
    src.Write("a.txt", "A\n");
    src.Write("b.txt", "B\n");
    if (Link(src, hard).empty()) {
        GTEST_SKIP() << "links can't be made here";
    }
    Rows({"a.txt", "b.txt"});
    const std::string path = out.Write("t.txt", "old\n");
    target.SetText(path);
    msgBox.answers = {Button::Yes};
    msgBox.onShow = [&](const FakeMsgBox::Shown& box) {
        if (box.text == kReplace) {
            fs::remove(path);
            hard ? fs::create_hard_link(src.At("b.txt"), path)
                 : fs::create_symlink(src.At("b.txt"), path);
        }
    };
    Merge();
    EXPECT_EQ(Shown(), (std::vector<std::string>{kReplace, kTargetIsSource}));
    EXPECT_EQ(src.Read("b.txt"), "B\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, TargetLinkedDuringTheQuestion, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) {
                             return p.param ? "HardLink" : "SymbolicLink";
                         });

TEST_F(MergeRunTest, AnotherExistingFileIsNoSource) {
    src.Write("a.txt", "A\n");
    const std::string other = src.Write("other.txt", "O\n");  // in the folder, not listed
    Rows({"a.txt", "missing.txt"});
    target.SetText(other);
    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), std::vector<std::string>{kReplace});
    EXPECT_EQ(src.Read("other.txt"), "A\r\n");
}

// A listed name that doesn't exist yet, given as the target: the run makes it, and must not
// then read its own output back as a source.
TEST_F(MergeRunTest, NewTargetNamedInTheListIsNotReadBack) {
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
