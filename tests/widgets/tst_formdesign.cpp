// The rules of a window description that serve every window: what a screen reader says, the
// order of Tab, and what covers a control's top edge, each on a small description of its own.
#include "widgets/formdesign.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

using enum ControlKind;

// What a screen reader says for a control that shows no caption of its own: its spoken name,
// else the caption of its label, else its tooltip, access marks taken out.
TEST(AccessibleName, ComesFromTheSpokenNameTheLabelOrTheTooltip) {
    FormDesign form;
    form.controls = {{.kind = Label, .name = "Label1", .captions = {"&Files"}}};
    const struct {
        const char* what;
        ControlDesign control;
        const char* said;
    } cases[] = {
        {"labelled list", {.kind = ListBox, .tooltip = "tip", .label = "Label1"}, "Files"},
        {"picture button",
         {.kind = Button, .tooltip = "&Up && away", .picture = Picture::UpArrow},
         "Up & away"},
        {"picture box",
         {.kind = PictureBox, .tooltip = "tip", .label = "Label1", .spokenName = "Icon"},
         "Icon"},
        {"captioned button", {.kind = Button, .captions = {"&Add"}, .tooltip = "tip"}, ""},
        {"label", {.kind = Label, .tooltip = "tip"}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(form.AccessibleName(c.control), c.said) << c.what;
    }
}

// Tab visits the controls that can take the focus, by tab index, wherever they are described;
// labels, frames, lines and controls without an index are passed over.
TEST(TabOrder, VisitsTheFocusableControlsByTabIndex) {
    FormDesign form;
    form.controls = {
        {.kind = Button, .name = "third", .tabIndex = 4},
        {.kind = Label, .name = "label", .tabIndex = 0},
        {.kind = TextBox, .name = "first", .tabIndex = 1},
        {.kind = Frame, .name = "frame", .tabIndex = 2},
        {.kind = Line, .name = "line", .tabIndex = 3},
        {.kind = PictureBox, .name = "none"},
        {.kind = ListBox, .name = "second", .tabIndex = 3},
    };
    std::vector<std::string> order;
    for (const ControlDesign* control : form.TabOrder()) {
        order.push_back(control->name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "third"}));
}

// How many pixels of a control's top edge the controls described before it in its container
// cover: the one described first is drawn on top.
TEST(CoveredTop, CountsTheControlsDrawnOverItsTopEdge) {
    FormDesign form;
    form.controls = {
        {.kind = DriveList, .name = "over", .place = {0, 0, 900, 300}},
        {.kind = FolderList, .name = "under", .place = {0, 150, 900, 600}},
        {.kind = Frame, .name = "frame", .place = {0, 0, 900, 900}},
        {.kind = TabControl, .name = "tabs", .place = {0, 1000, 900, 900}},
        {.kind = ListBox,
         .name = "onPage1",
         .container = "tabs",
         .page = 1,
         .place = {0, 300, 900, 300}},
        {.kind = ListBox,
         .name = "onPage0",
         .container = "tabs",
         .page = 0,
         .place = {0, 450, 900, 300}},
        {.kind = ListBox, .name = "inFrame", .container = "frame", .place = {0, 150, 900, 600}},
    };
    const struct {
        const char* control;
        int dpi;
        int covered;
    } cases[] = {
        {"under", 96, 20 - 10}, {"under", 144, 30 - 15}, {"over", 96, 0},  // drawn on top
        {"inFrame", 96, 0},  // the frame's controls are drawn in it, over nothing of the window
        {"onPage0", 96, 0},  // the other page is never shown with it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(form.CoveredTop(*form.Find(c.control), c.dpi), c.covered)
            << c.control << " at " << c.dpi << " dpi";
    }
}

}  // namespace
}  // namespace kelvane
