#include "pages/about/frmabout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "fakemsgbox.h"
#include "fakewindow.h"
#include "pages/about/aboutbox.h"
#include "pages/about/frmaboutdesign.h"
#include "sysinfodoubles.h"
#include "widgets/qt/qttoolkit.h"
#include "widgets/qt/qtwindow.h"

namespace {

// The caption, then the labels' texts.
std::vector<std::string> Texts(const kelvane::Form& form) {
    return {form.Caption(), form.LabelCaption("lblTitle"), form.LabelCaption("lblVersion"),
            form.LabelCaption("lblDescription")};
}

class FrmAboutTest : public ::testing::Test {
  protected:
    // Shows the dialog modally, as the About command does, and runs `whileShown` inside its
    // modal loop. True when the dialog closed by itself; a dialog still open after a long while
    // is closed by force so the test ends, and the result is false.
    bool ShowModal(const std::function<void()>& whileShown) {
        bool forced = false;
        QTimer::singleShot(0, &about, [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&about));
            whileShown();
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &about, [&] {
            forced = true;
            about.close();
        });
        guard.start(30000);
        form.Show();
        return !forced && !about.isVisible();
    }

    QWidget* Focused() const { return QApplication::focusWidget(); }

    kelvane::test::FakeSysInfoLocator locator;
    kelvane::test::RecordingStarter starter;
    kelvane::test::FakeMsgBox msgBox;
    kelvane::qt::QtToolkit toolkit;
    frmAbout form{toolkit, locator, starter, msgBox};
    kelvane::qt::QtWindow& about = dynamic_cast<kelvane::qt::QtWindow&>(form.window());
    QPushButton* cmdOK = about.findChild<QPushButton*>("cmdOK");
    QPushButton* cmdSysInfo = about.findChild<QPushButton*>("cmdSysInfo");
    QWidget* picIcon = about.findChild<QWidget*>("picIcon");
    QLabel* lblDescription = about.findChild<QLabel*>("lblDescription");
};

// ---- Showing: where, how, the texts, the focus and the ways to close.

// A modal dialog with no owner, at its place and with a fixed border each time it shows (the
// window as built is the Qt window's suite's). Each showing has the texts loaded and the focus on
// OK, whatever changed in between. Esc wherever the focus is, Enter on the icon (which clicks OK)
// and the close box all close the dialog, and start nothing.
TEST_F(FrmAboutTest, EachShowingIsModalAtItsPlaceWithTheLoadedTextsAndTheFocusOnOk) {
    const kelvane::FormDesign& design = about.Design();
    EXPECT_EQ(about.parentWidget(), nullptr);
    ASSERT_TRUE(design.screenPlace);
    const QPoint place(kelvane::TwipsToPixels(design.screenPlace->x, 96),
                       kelvane::TwipsToPixels(design.screenPlace->y, 96));
    kelvane::test::FakeWindow loaded(frmAboutDesign());
    kelvane::LoadAboutBox(loaded);
    const std::pair<QWidget*, Qt::Key> closes[] = {
        {cmdSysInfo, Qt::Key_Escape}, {picIcon, Qt::Key_Return}, {nullptr, Qt::Key_unknown}};
    for (const auto& [widget, key] : closes) {
        EXPECT_TRUE(ShowModal([&] {
            EXPECT_EQ(about.geometry().topLeft(), place);
            EXPECT_TRUE(about.isModal() && QApplication::activeModalWidget() == &about);
            // A fixed border: the close box, and no box to minimize or maximize the dialog.
            EXPECT_EQ(
                about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowCloseButtonHint),
                Qt::WindowCloseButtonHint);
            EXPECT_EQ(Texts(about), Texts(loaded));
            EXPECT_EQ(Focused(), cmdOK);
            about.move(0, 0);
            about.setWindowTitle("changed");
            lblDescription->setText("changed");
            if (widget == nullptr) {
                about.close();  // the close box
                return;
            }
            widget->setFocus();
            QTest::keyClick(widget, key);
        })) << (widget != nullptr ? widget->objectName().toStdString() : "the close box");
    }
    EXPECT_TRUE(starter.attempts.empty());
    EXPECT_TRUE(msgBox.shown.empty());
}

// The description fits its label at the usual size; a longer one still shows whole, smaller,
// and the usual one loaded again is drawn whole too.
TEST_F(FrmAboutTest, TheDescriptionShowsWhole) {
    const auto showsWhole = [this] {
        return lblDescription->heightForWidth(lblDescription->width()) <= lblDescription->height();
    };
    form.Form_Load();
    EXPECT_TRUE(showsWhole());
    const std::string usual = about.LabelCaption("lblDescription");
    about.SetLabelCaption("lblDescription", usual.substr(0, 60) + usual);
    EXPECT_TRUE(showsWhole());
    EXPECT_LT(lblDescription->font().pointSizeF(), 8.25);
    form.Form_Load();
    EXPECT_TRUE(showsWhole());
}

// ---- System Info: Enter on the focused button (not the default OK) reaches the launcher, whose
// message shows in the dialog's box, and the dialog stays open.

TEST_F(FrmAboutTest, SysInfoReachesTheLauncherAndTheDialogStaysOpen) {
    locator.program = "/opt/sysinfo";  // not installed
    EXPECT_TRUE(ShowModal([&] {
        cmdSysInfo->setFocus();
        QTest::keyClick(cmdSysInfo, Qt::Key_Return);
        EXPECT_TRUE(about.isVisible());
        QTest::keyClick(Focused(), Qt::Key_Escape);
    }));
    EXPECT_EQ(starter.attempts, std::vector<std::string>{"/opt/sysinfo"});
    EXPECT_EQ(msgBox.shown.size(), 1u);
}

}  // namespace
