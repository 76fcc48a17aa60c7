// What a Qt window adds to the window core: its controls' signals raised to the program, the
// names screen readers say for its controls, and a description it can't build refused before
// anything is made.
#include "widgets/qt/qtwindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include "app/frmmaindesign.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {
namespace {

FormDesign Design() {
    FormDesign form;
    form.name = "frmTest";
    form.width = 3000;
    form.height = 2000;
    form.menus = {{"mnuFile", "&File", {{"mnuFileOpen", "&Open", {}}}}};
    form.controls = {
        {.kind = ControlKind::Frame, .name = "frame", .place = {0, 0, 3000, 2000}},
        {.kind = ControlKind::Label,
         .name = "lblName",
         .container = "frame",
         .place = {100, 100, 1000, 300},
         .captions = {"Name"}},
        {.kind = ControlKind::Button,
         .name = "cmdOK",
         .container = "frame",
         .place = {100, 500, 1000, 400},
         .tabIndex = 0,
         .captions = {"OK"}},
    };
    return form;
}

TEST(QtWindowTest, RaisesTheClicksOfItsButtonsAndMenuItemsAndRefusesEventsNoControlRaises) {
    QtWindow window(Design());
    std::vector<std::string> clicked;
    for (const char* name : {"cmdOK", "mnuFileOpen"}) {
        window.On(name, Event::Click,
                  [&clicked, name](const MouseEvent&) { clicked.push_back(name); });
    }
    qobject_cast<QPushButton*>(window.Control("cmdOK"))->click();
    window.MenuItem("mnuFileOpen")->trigger();
    EXPECT_EQ(clicked, (std::vector<std::string>{"cmdOK", "mnuFileOpen"}));
    EXPECT_THROW(window.On("lblName", Event::Click, [](const MouseEvent&) {}), WidgetError);
    EXPECT_THROW(window.On("cmdOK", Event::Change, [](const MouseEvent&) {}), WidgetError);
}

// Every control that takes the focus tells a screen reader its name through Qt's accessibility
// interface: the one its description gives it, else its caption.
TEST(QtWindowTest, EveryControlOfTheMainWindowHasANameForScreenReaders) {
    const FormDesign& design = frmMainDesign();
    QtWindow window(design);
    for (const ControlDesign* control : design.TabOrder()) {
        SCOPED_TRACE(control->name);
        QWidget* widget = window.Control(control->name);
        if (control->kind == ControlKind::TabControl) {
            continue;  // its tabs are named by their captions
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        const std::string said = accessible->text(QAccessible::Name).toStdString();
        const std::string name = design.AccessibleName(*control);
        if (qobject_cast<QComboBox*>(widget) != nullptr) {
            // On Linux Qt names a combo box by its chosen item and leaves the label to the
            // relations; elsewhere by the accessible name given.
            EXPECT_EQ(widget->accessibleName().toStdString(), name);
        } else if (!name.empty()) {
            EXPECT_EQ(said, name);
        }
        EXPECT_FALSE(said.empty());
    }
}

TEST(QtWindowTest, ADescriptionItCanNotBuildFailsWithWidgetError) {
    FormDesign design = Design();
    std::swap(design.controls[0], design.controls[1]);  // the frame after what it holds
    EXPECT_THROW(QtWindow{design}, WidgetError);
}

}  // namespace
}  // namespace kelvane::qt
