// What a Qt window adds to the window core: the window built as described, the names screen
// readers say for its controls and the labels' colours.
#include "widgets/qt/qtwindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "describedplaces.h"
#include "pages/about/frmaboutdesign.h"
#include "pages/main/frmmaindesign.h"
#include "widgets/qt/qttextbox.h"
#include "widgets/textcolor.h"

namespace kelvane::qt {
namespace {

// Both windows as built, shown: every control where its description puts it in a client area of
// the described size, in its font, labels wrapping as described, the default button drawn as
// such, and each control that takes the focus named for screen readers; a window of fixed size
// with a close box, no minimize or maximize box and no taskbar button, at its described place on
// the screen.
TEST(QtWindowTest, BuildsBothWindowsAsDescribed) {
    for (const FormDesign* design : {&frmMainDesign(), &frmAboutDesign()}) {
        SCOPED_TRACE(design->name);
        QtWindow window(*design);
        window.Show();
        test::ExpectControlsAtTheirDescribedPlaces(window);
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_EQ(window.windowType(), Qt::Tool);
        EXPECT_FALSE(window.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(window.windowTitle().toStdString(), design->caption);
        if (design->screenPlace) {
            EXPECT_EQ(window.geometry().topLeft(),
                      QPoint(TwipsToPixels(design->screenPlace->x, 96),
                             TwipsToPixels(design->screenPlace->y, 96)));
        }
        for (const ControlDesign& control : design->controls) {
            SCOPED_TRACE(control.name);
            const QWidget* widget = window.Control(control.name);
            const FontDesign& font = control.font.face.empty() ? design->font : control.font;
            EXPECT_EQ(widget->font().families().front().toStdString(), font.face);
            EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), font.points);
            EXPECT_EQ(widget->font().bold(), font.bold);
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                EXPECT_EQ(label->wordWrap(), control.wordWrap);
                EXPECT_EQ(window.LabelCaption(control.name), control.Caption());
            } else if (const auto* box = qobject_cast<const QtTextBox*>(widget)) {
                EXPECT_EQ(box->MaxLength(), control.maxLength);
            } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
                EXPECT_EQ(button->isDefault(), control.name == design->defaultButton);
            }
        }
        for (const MenuDesign& menu : design->menus) {
            for (const MenuDesign& item : menu.items) {
                EXPECT_NE(window.MenuItem(item.name), nullptr) << item.name;
            }
        }
        // Through Qt's accessibility interface: the name its description gives it, else its
        // caption.
        for (const ControlDesign* control : design->TabOrder()) {
            SCOPED_TRACE(control->name);
            QWidget* widget = window.Control(control->name);
            if (control->kind == ControlKind::TabControl) {
                continue;  // its tabs are named by their captions
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(accessible, nullptr);
            const std::string said = accessible->text(QAccessible::Name).toStdString();
            const std::string name = design->AccessibleName(*control);
            if (qobject_cast<QComboBox*>(widget) != nullptr) {
                // On Linux Qt names a combo box by its chosen item, whatever name it is given:
                // screen readers take its name from the label it is labelled by.
                EXPECT_EQ(widget->accessibleName().toStdString(), name);
                const auto labels = accessible->relations(QAccessible::Label);
                ASSERT_EQ(labels.size(), 1);
                EXPECT_EQ(labels.front().first->text(QAccessible::Name).toStdString(), name);
                EXPECT_TRUE(qobject_cast<QWidget*>(labels.front().first->object())->isHidden());
            } else if (!name.empty()) {
                EXPECT_EQ(said, name);
            }
            EXPECT_FALSE(said.empty());
        }
    }
}

Rgb ToRgb(const QColor& color) {
    return {color.red(), color.green(), color.blue()};
}

// Each label's text colour is the one TextColor gives for the palette, in the ordinary scheme and
// in white on black, also when it changes with the window open.
TEST(QtWindowTest, LabelsKeepTheirDescribedColoursOnlyWhereTheyRead) {
    const QPalette ordinary = QApplication::palette();
    QPalette dark = ordinary;
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    for (const FormDesign* design : {&frmMainDesign(), &frmAboutDesign()}) {
        QtWindow window(*design);
        for (const QPalette& scheme : {ordinary, dark, ordinary}) {
            QApplication::setPalette(scheme);
            QCoreApplication::processEvents();
            const Rgb background = ToRgb(scheme.color(QPalette::Window));
            const Rgb text = ToRgb(scheme.color(QPalette::WindowText));
            for (const ControlDesign& control : design->controls) {
                if (control.kind != ControlKind::Label) {
                    continue;
                }
                SCOPED_TRACE(control.name + (background == Rgb{} ? " on black" : " ordinary"));
                const Rgb drawn =
                    ToRgb(window.Control(control.name)->palette().color(QPalette::WindowText));
                EXPECT_EQ(drawn, TextColor(control.color, background, text));
            }
        }
    }
    QApplication::setPalette(ordinary);
}

}  // namespace
}  // namespace kelvane::qt
