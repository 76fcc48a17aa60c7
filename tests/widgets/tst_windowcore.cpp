// What every window does alike, whatever toolkit draws it: the controls by name and kind, the
// label captions, the events each control may raise and the check of its description. Here through
// the tests' window in memory, which is built on the same core.
#include "widgets/windowcore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakewindow.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

using test::FakeWindow;

FormDesign Design() {
    FormDesign form;
    form.name = "frmTest";
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
        {.kind = ControlKind::ListBox, .name = "lstPick", .container = "frame"},
        {.kind = ControlKind::CheckListBox, .name = "lstMark", .container = "frame"},
        {.kind = ControlKind::PictureBox, .name = "picIcon"},
        {.kind = ControlKind::Line, .name = "line"},
        {.kind = ControlKind::TextBox, .name = "txtFramed", .container = "frame"},
        {.kind = ControlKind::TabControl,
         .name = "inner",
         .container = "tabs",
         .page = 1,
         .captions = {"A", "B", "C"}},
        {.kind = ControlKind::TextBox, .name = "txtInner", .container = "inner", .page = 2},
    };
    return form;
}

TEST(WindowCore, WiresOnlyTheEventsAControlRaises) {
    const struct {
        const char* control;
        std::vector<Event> raised;
    } cases[] = {
        {"cmdOK", {Event::Click}},
        {"mnuFileOpen", {Event::Click}},
        {"txtName", {Event::LostFocus}},
        {"drives", {Event::Change}},
        {"folders", {Event::Change}},
        {"files", {Event::MouseUp}},
        {"lstPick", {Event::MouseDown, Event::MouseUp}},
        {"lstMark", {Event::MouseDown, Event::MouseUp}},
        {"lblName", {}},
        {"tabs", {}},
        {"frame", {}},
        {"picIcon", {}},
        {"line", {}},
        {"mnuFile", {}},
        {"mnuFileSep", {}},
        {"cmdNone", {}},
    };
    const Event kEvents[] = {Event::Click, Event::Change, Event::LostFocus, Event::MouseDown,
                             Event::MouseUp};
    const FormDesign design = Design();
    FakeWindow window(design);
    for (const auto& c : cases) {
        for (const Event event : kEvents) {
            SCOPED_TRACE(std::string(c.control) + " event " +
                         std::to_string(static_cast<int>(event)));
            const bool raised =
                std::find(c.raised.begin(), c.raised.end(), event) != c.raised.end();
            int calls = 0;
            const auto wire = [&] {
                window.On(c.control, event, [&](const MouseEvent&) { ++calls; });
            };
            if (raised) {
                EXPECT_NO_THROW(wire());
                EXPECT_TRUE(window.Raise(c.control, event));
                EXPECT_EQ(calls, 1);
            } else {
                EXPECT_THROW(wire(), WidgetError);
                EXPECT_FALSE(window.Raise(c.control, event));
            }
        }
    }
}

TEST(WindowCore, ReachesEachControlAsTheWidgetOfItsKindOnly) {
    using Reach = std::function<void(Window&, const std::string&)>;
    const Reach kTextBox = [](Window& w, const std::string& n) { w.TextBoxNamed(n); };
    const Reach kList = [](Window& w, const std::string& n) { w.ListNamed(n); };
    const Reach kDrives = [](Window& w, const std::string& n) { w.DriveListNamed(n); };
    const Reach kFolders = [](Window& w, const std::string& n) { w.FolderListNamed(n); };
    const Reach kFiles = [](Window& w, const std::string& n) { w.FileListNamed(n); };
    const struct {
        const char* control;
        const Reach* as;  // the one accessor that reaches it; nullptr for none
    } cases[] = {
        {"txtName", &kTextBox}, {"lstPick", &kList},    {"lstMark", &kList},
        {"drives", &kDrives},   {"folders", &kFolders}, {"files", &kFiles},
        {"lblName", nullptr},   {"cmdOK", nullptr},     {"cmdNone", nullptr},
    };
    FakeWindow window(Design());
    for (const auto& c : cases) {
        for (const Reach* reach : {&kTextBox, &kList, &kDrives, &kFolders, &kFiles}) {
            SCOPED_TRACE(c.control);
            if (reach == c.as) {
                EXPECT_NO_THROW((*reach)(window, c.control));
            } else {
                EXPECT_THROW((*reach)(window, c.control), WidgetError);
            }
        }
    }
}

TEST(WindowCore, SetsTheCaptionOfALabelAndOfNothingElse) {
    const struct {
        const char* name;
        bool label;
    } cases[] = {{"lblName", true},
                 {"cmdOK", false},
                 {"txtName", false},
                 {"mnuFileOpen", false},
                 {"cmdNone", false}};
    FakeWindow window(Design());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.label) {
            EXPECT_EQ(window.LabelCaption(c.name), "Name");
            window.SetLabelCaption(c.name, "Full name");
            EXPECT_EQ(window.LabelCaption(c.name), "Full name");
        } else {
            EXPECT_THROW(window.LabelCaption(c.name), WidgetError);
            EXPECT_THROW(window.SetLabelCaption(c.name, "Renamed"), WidgetError);
            EXPECT_EQ(window.labels.count(c.name), 0u) << "no other control is renamed";
        }
    }
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
