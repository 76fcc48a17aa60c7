// The main window's events reach the procedures that handle them, whatever toolkit built it:
// here a window in memory.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fakewindow.h"
#include "mainwindowdoubles.h"
#include "pages/main/frmmain.h"
#include "pages/merge/mergepage.h"
#include "tempfolder.h"
#include "widgets/drives.h"
#include "widgets/folderreader.h"

namespace kelvane {
namespace {

using test::FakeFileList;
using test::FakeListWidget;
using test::FakeTextBox;
using test::FakeWindow;

class MainWindowEvents : public test::MainWindowDoubles, public testing::Test {
  public:
    FakeTextBox& Box(const std::string& name) { return window.FakeNamed<FakeTextBox>(name); }
    FakeListWidget& List(ListWidget& list) { return static_cast<FakeListWidget&>(list); }

    test::FakeToolkit toolkit;
    frmMain form{toolkit, Services()};
    FakeWindow& window = static_cast<FakeWindow&>(form.window());
};

// Each event, raised once on a fresh window, shows the effect of its own procedure.
class EachEvent;

struct Reaction {
    const char* control;
    Event event;
    void (*arrange)(EachEvent& t);
    bool (*happened)(EachEvent& t);
};

class EachEvent : public MainWindowEvents, public testing::WithParamInterface<Reaction> {
  public:
    EachEvent() {
        folder.Write("a.txt", "");
        folder.Write("b.exe", "");
    }

    std::vector<std::string> Types() { return List(form.lstFileType).Items(); }
    std::vector<std::string> Rows() { return List(form.lstFileSelect).Items(); }
    void AddRows() {
        for (const char* row : {"a", "b", "c"}) {
            form.lstFileSelect.AddItem(row);
        }
    }

    test::TempFolder folder;
};

TEST_P(EachEvent, ReachesItsProcedure) {
    const Reaction& reaction = GetParam();
    if (reaction.arrange != nullptr) {
        reaction.arrange(*this);
    }
    ASSERT_TRUE(window.Raise(reaction.control, reaction.event));
    EXPECT_TRUE(reaction.happened(*this));
}

using Abc = std::vector<std::string>;

// clang-format off
const Reaction kReactions[] = {
    {"cmdClose", Event::Click, nullptr, [](EachEvent& t) { return t.window.unloads == 1; }},
    {"mnuFileExit", Event::Click, nullptr, [](EachEvent& t) { return t.window.unloads == 1; }},
    {"mnuHelpAbout", Event::Click, nullptr, [](EachEvent& t) { return t.abouts == 1; }},
    {"mnuHelpHelp", Event::Click, nullptr, [](EachEvent& t) {
         return t.opened == Abc{"help.pdf"} && t.openedBy == &t.window; }},
    {"txtFileType", Event::LostFocus, [](EachEvent& t) { t.form.txtFileType.SetText("1"); },
     [](EachEvent& t) { return t.msg.shown.size() == 1 && t.Box("txtFileType").focusCalls == 1 &&
                               t.window.pages.at("SSTab1") == 1; }},
    {"cmdAddFileType", Event::Click, [](EachEvent& t) { t.form.txtFileType.SetText("DOC"); },
     [](EachEvent& t) { return t.Types() == Abc{"TXT", "SQL", "DAT", "DOC"}; }},
    {"cmdDelete", Event::Click, [](EachEvent& t) { t.form.lstFileType.SetListIndex(0); },
     [](EachEvent& t) { return t.Types() == Abc{"SQL", "DAT"}; }},
    {"cmdLearList", Event::Click, [](EachEvent& t) { t.msg.answers = {MsgBox::Button::Yes}; },
     [](EachEvent& t) { return t.Types().empty(); }},
    {"cmdClear", Event::Click, [](EachEvent& t) { t.form.txtFileType.SetText("X"); },
     [](EachEvent& t) { return t.form.txtFileType.Text().empty(); }},
    {"myDrive", Event::Change, [](EachEvent& t) { t.form.myDrive.SetDrive(t.folder.Text()); },
     [](EachEvent& t) { return t.form.myFolders.Path() == t.form.myDrive.Drive(); }},
    {"myFolders", Event::Change, [](EachEvent& t) { t.form.myFolders.SetPath(t.folder.Text()); },
     [](EachEvent& t) { return t.form.fileList.Path() == t.folder.Text(); }},
    {"fileList", Event::MouseUp, [](EachEvent& t) {
         t.form.myFolders.SetPath(t.folder.Text());
         auto& files = static_cast<FakeFileList&>(t.form.fileList);
         files.SetNames({"a.txt", "b.exe"});
         files.Pick({"a.txt", "b.exe"}); },
     [](EachEvent& t) { return t.Rows() == Abc{"a.txt"}; }},
    {"cmdUp", Event::Click, [](EachEvent& t) { t.AddRows(); t.form.lstFileSelect.SetSelected(1, true); },
     [](EachEvent& t) { return t.Rows() == Abc{"b", "a", "c"}; }},
    {"cmdDown", Event::Click, [](EachEvent& t) { t.AddRows(); t.form.lstFileSelect.SetSelected(1, true); },
     [](EachEvent& t) { return t.Rows() == Abc{"a", "c", "b"}; }},
    {"lstFileSelect", Event::MouseUp, [](EachEvent& t) {
         t.AddRows();
         t.form.lstFileSelect.SetSelected(0, true);
         t.window.Raise("lstFileSelect", Event::MouseDown);
         t.form.lstFileSelect.SetSelected(2, true); },
     [](EachEvent& t) { return t.Rows() == Abc{"b", "c", "a"}; }},
    {"cmdFileLookUp", Event::Click, [](EachEvent& t) { t.save.choice = "/x/merged.txt"; },
     [](EachEvent& t) { return t.form.txtTartgetPath.Text() == "/x/merged.txt"; }},
    // With no target the merge page answers with its own message, which asks nothing.
    {"cmdMerge", Event::Click, nullptr, [](EachEvent& t) {
         return t.msg.shown.size() == 1 && t.msg.shown[0].style == MsgBox::Style::Information; }},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Wiring, EachEvent, testing::ValuesIn(kReactions), [](const auto& named) {
    return std::string(named.param.control) + (named.param.event == Event::MouseUp ? "Up" : "");
});

// No event but those of the table has a handler; the press on the merge list only starts the
// drag its release ends.
TEST_F(MainWindowEvents, NoOtherEventIsHandled) {
    std::set<std::pair<std::string, Event>> expected = {{"lstFileSelect", Event::MouseDown}};
    for (const Reaction& reaction : kReactions) {
        expected.emplace(reaction.control, reaction.event);
    }
    EXPECT_EQ(window.Handled(), expected);
}

// A procedure's failure ends at the window, as every event's does.
TEST(MainWindowFailures, AnExceptionFromAProcedureStopsAtTheWindow) {
    test::MainWindowDoubles doubles;
    frmMain::Services services = doubles.Services();
    services.openDocument = [](Form&, const std::string&) {
        throw std::runtime_error("no opener");
    };
    test::FakeToolkit toolkit;
    frmMain form(toolkit, services);
    EXPECT_NO_THROW(static_cast<FakeWindow&>(form.window()).Raise("mnuHelpHelp", Event::Click));
}

TEST_F(MainWindowEvents, StartsWithTheListsAtTheCurrentFolderAndTheSaveDialogSetUp) {
    test::FakeDriveRows drives(ListDrives());
    drives.SetDrive(CurrentFolder());
    EXPECT_EQ(form.myDrive.Drive(), drives.Drive());
    EXPECT_EQ(form.myFolders.Path(), CurrentFolder());
    EXPECT_EQ(form.fileList.Path(), CurrentFolder());
    test::FakeSaveDialog configured;
    MergePage::ConfigureSaveDialog(configured);
    EXPECT_EQ(save.filter, configured.filter) << "loading sets the Save dialog up";
    EXPECT_EQ(save.title, configured.title);
    EXPECT_EQ(window.shows, 0) << "the toolkit shows the window, not its constructor";
    EXPECT_TRUE(msg.shown.empty());
}

}  // namespace
}  // namespace kelvane
