// What every window does alike, whatever toolkit draws it: the controls by name and kind, the
// label captions, the events each control may raise and the check of its description. Here through
// the tests' window in memory, which is built on the same core.
#include "widgets/windowcore.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "fakewindow.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

using test::FakeWindow;

FormDesign Design() {
    FormDesign form;
    form.menus = {{"mnuFile", "&File", {{"mnuFileOpen", "&Open", {}}, {"mnuFileSep", "-", {}}}}};
    form.controls = {
        {.kind = ControlKind::Label, .name = "lblName", .captions = {"Name"}},
        {.kind = ControlKind::Button, .name = "cmdOK", .captions = {"OK"}},
        {.kind = ControlKind::TextBox, .name = "txtName"},
        {.kind = ControlKind::TabControl, .name = "tabs", .captions = {"One", "Two"}},
        {.kind = ControlKind::Frame, .name = "frame", .container = "tabs", .page = 1},
        {.kind = ControlKind::DriveList, .name = "drives", .container = "tabs"},
        {.kind = ControlKind::FolderList, .name = "folders", .container = "tabs"},
        {.kind = ControlKind::FileList, .name = "files", .container = "tabs"},
        {.kind = ControlKind::CheckListBox, .name = "lstMark", .container = "frame"},
        {.kind = ControlKind::TextBox, .name = "txtFramed", .container = "frame"},
        {.kind = ControlKind::TabControl, .name = "inner", .container = "tabs", .page = 1},
        {.kind = ControlKind::TextBox, .name = "txtInner", .container = "inner", .page = 2},
    };
    return form;
}

TEST(WindowCore, WiresOnlyTheEventsAControlRaises) {
    const struct {
        const char* control;
        std::set<Event> raised;
    } cases[] = {{"cmdOK", {Event::Click}},
                 {"mnuFileOpen", {Event::Click}},
                 {"txtName", {Event::LostFocus}},
                 {"folders", {Event::Change}},
                 {"files", {Event::MouseUp}},
                 {"lstMark", {Event::MouseDown, Event::MouseUp}},
                 {"lblName", {}},
                 {"mnuFile", {}},
                 {"mnuFileSep", {}},
                 {"cmdNone", {}}};
    FakeWindow window(Design());
    for (const auto& c : cases) {
        for (const Event event :
             {Event::Click, Event::Change, Event::LostFocus, Event::MouseDown, Event::MouseUp}) {
            SCOPED_TRACE(c.control + std::string(" event ") +
                         std::to_string(static_cast<int>(event)));
            int calls = 0;
            const auto wire = [&] {
                window.On(c.control, event, [&](const MouseEvent&) { ++calls; });
            };
            if (c.raised.count(event) != 0) {
                wire();
                EXPECT_TRUE(window.Raise(c.control, event));
                EXPECT_EQ(calls, 1);
            } else {
                EXPECT_THROW(wire(), WidgetError);
                EXPECT_FALSE(window.Raise(c.control, event));
            }
        }
    }
}

// A label's caption is reached through the label alone: no other control is read or renamed.
TEST(WindowCore, ReachesEachControlAsTheWidgetOfItsKindOnly) {
    using Reach = std::function<void(Window&, const std::string&)>;
    const std::pair<std::string, Reach> reaches[] = {
        {"txtName", [](Window& w, const std::string& n) { w.TextBoxNamed(n); }},
        {"lstMark", [](Window& w, const std::string& n) { w.ListNamed(n); }},
        {"drives", [](Window& w, const std::string& n) { w.DriveListNamed(n); }},
        {"folders", [](Window& w, const std::string& n) { w.FolderListNamed(n); }},
        {"files", [](Window& w, const std::string& n) { w.FileListNamed(n); }},
        {"lblName", [](Window& w, const std::string& n) { w.LabelCaption(n); }},
        {"lblName", [](Window& w, const std::string& n) { w.SetLabelCaption(n, "Renamed"); }},
    };
    FakeWindow window(Design());
    for (const char* control : {"txtName", "lstMark", "drives", "folders", "files", "lblName",
                                "cmdOK", "mnuFileOpen", "cmdNone"}) {
        for (const auto& [reached, reach] : reaches) {
            SCOPED_TRACE(std::string(control) + " as " + reached);
            if (reached == control) {
                EXPECT_NO_THROW(reach(window, control));
            } else {
                EXPECT_THROW(reach(window, control), WidgetError);
            }
        }
    }
    EXPECT_EQ(window.labels, (std::map<std::string, std::string>{{"lblName", "Renamed"}}));
}

TEST(WindowCore, GivingABoxTheFocusBringsInFrontThePagesItSitsOn) {
    const struct {
        const char* box;
        std::map<std::string, int> pages;  // shown afterwards, page 0 of each before
    } cases[] = {
        {"txtName", {{"tabs", 0}, {"inner", 0}}},
        {"txtFramed", {{"tabs", 1}, {"inner", 0}}},
        {"txtInner", {{"tabs", 1}, {"inner", 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        FakeWindow window(Design());
        window.TextBoxNamed(c.box).SetFocus();
        EXPECT_EQ(window.pages, c.pages);
        EXPECT_TRUE(window.FakeNamed<test::FakeTextBox>(c.box).hasFocus);
    }
}

TEST(WindowCore, RefusesADescriptionNoToolkitCanBuild) {
    const struct {
        const char* what;
        std::function<void(FormDesign&)> change;
    } cases[] = {
        {"two controls of one name", [](FormDesign& f) { f.controls[2].name = "cmdOK"; }},
        {"a menu item named as a control",
         [](FormDesign& f) { f.menus[0].items[0].name = "cmdOK"; }},
        {"a container described after what it holds",
         [](FormDesign& f) { std::swap(f.controls[3], f.controls[4]); }},
        {"a container that is none", [](FormDesign& f) { f.controls[8].container = "lblName"; }},
        {"a container the window lacks", [](FormDesign& f) { f.controls[8].container = "box"; }},
        {"a label that is none", [](FormDesign& f) { f.controls[2].label = "cmdOK"; }},
        {"a label the window lacks", [](FormDesign& f) { f.controls[2].label = "lblNone"; }},
    };
    FormDesign labelled = Design();
    labelled.controls[2].label = "lblName";
    EXPECT_NO_THROW(FakeWindow{labelled});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormDesign design = Design();
        c.change(design);
        EXPECT_THROW(FakeWindow{design}, WidgetError);
    }
}

}  // namespace
}  // namespace kelvane
