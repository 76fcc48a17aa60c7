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

#include "describedplaces.h"
#include "fakemsgbox.h"
#include "fakewindow.h"
#include "pages/about/aboutbox.h"
#include "pages/about/frmaboutdesign.h"
#include "pages/about/sysinfolauncher.h"
#include "sysinfodoubles.h"
#include "widgets/qt/qttoolkit.h"
#include "widgets/qt/qtwindow.h"

namespace {

using kelvane::test::FakeSysInfoLocator;
using kelvane::test::RecordingStarter;

using Texts = std::vector<std::string>;  // the caption, then the labels' texts
constexpr const char* kLabels[] = {"lblTitle", "lblVersion", "lblDescription"};

Texts Shown(const QWidget& about) {
    Texts texts{about.windowTitle().toStdString()};
    for (const char* label : kLabels) {
        texts.push_back(about.findChild<QLabel*>(label)->text().toStdString());
    }
    return texts;
}

// The texts the About box's load sets, from the dialog's own placeholders.
Texts Loaded() {
    kelvane::test::FakeWindow form(frmAboutDesign());
    for (const char* label : kLabels) {
        form.labels[label] = frmAboutDesign().Find(label)->Caption();
    }
    kelvane::LoadAboutBox(form);
    Texts texts{form.caption};
    for (const char* label : kLabels) {
        texts.push_back(form.labels.at(label));
    }
    return texts;
}

// Records the texts of the dialog each time it becomes visible.
class ShowWatcher : public QObject {
  public:
    explicit ShowWatcher(QWidget& about) : about_(about) { about.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &about_ && event->type() == QEvent::Show) {
            shows.push_back(Shown(about_));
        }
        return false;
    }
    std::vector<Texts> shows;

  private:
    QWidget& about_;
};

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

    FakeSysInfoLocator locator;
    RecordingStarter starter;
    kelvane::test::FakeMsgBox msgBox;
    kelvane::qt::QtToolkit toolkit;
    frmAbout form{toolkit, locator, starter, msgBox};
    kelvane::qt::QtWindow& about = dynamic_cast<kelvane::qt::QtWindow&>(form.window());
    QPushButton* cmdOK = about.findChild<QPushButton*>("cmdOK");
    QPushButton* cmdSysInfo = about.findChild<QPushButton*>("cmdSysInfo");
    QWidget* picIcon = about.findChild<QWidget*>("picIcon");
    QLabel* lblTitle = about.findChild<QLabel*>("lblTitle");
    QLabel* lblDescription = about.findChild<QLabel*>("lblDescription");
};

// ---- Layout: a fixed dialog with every control where its description puts it.

TEST_F(FrmAboutTest, FixedDialogAtItsPlace) {
    const kelvane::FormDesign& design = about.Design();
    kelvane::test::ExpectControlsAtTheirDescribedPlaces(about);
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(about.parentWidget(), nullptr);
    EXPECT_TRUE(cmdOK->isDefault());
    EXPECT_EQ(lblDescription->wordWrap(), design.Find("lblDescription")->wordWrap);
    EXPECT_EQ(lblTitle->font().bold(), design.Find("lblTitle")->font.bold);
    EXPECT_DOUBLE_EQ(lblTitle->font().pointSizeF(), design.Find("lblTitle")->font.points);

    QPoint place;
    bool modal = false;
    EXPECT_TRUE(ShowModal([&] {
        place = about.geometry().topLeft();
        modal = about.isModal() && QApplication::activeModalWidget() == &about;
        cmdOK->click();
    }));
    ASSERT_TRUE(design.screenPlace);
    EXPECT_EQ(place, QPoint(kelvane::TwipsToPixels(design.screenPlace->x, 96),
                            kelvane::TwipsToPixels(design.screenPlace->y, 96)));
    EXPECT_TRUE(modal);
}

// ---- Showing: the texts, the focus, Tab and the ways to close.

// The texts are in place before the dialog shows, no placeholder is ever seen, and a second
// showing starts again as the first did, whatever changed in between.
TEST_F(FrmAboutTest, EachShowingHasTheLoadedTextsAndTheFocusOnOk) {
    ShowWatcher watcher(about);
    std::vector<QWidget*> focus;
    for (int showing = 0; showing < 2; ++showing) {
        EXPECT_TRUE(ShowModal([&] {
            focus.push_back(Focused());
            cmdSysInfo->setFocus();
            about.setWindowTitle("changed");
            lblDescription->setText("changed");
            QTest::keyClick(Focused(), Qt::Key_Escape);
        }));
    }
    EXPECT_EQ(watcher.shows, (std::vector<Texts>{Loaded(), Loaded()}));
    EXPECT_EQ(focus, (std::vector<QWidget*>{cmdOK, cmdOK}));
}

// The description fits its label at the usual size; a longer one still shows whole, smaller,
// and the usual one loaded again is drawn whole too.
TEST_F(FrmAboutTest, TheDescriptionShowsWhole) {
    const auto showsWhole = [this] {
        return lblDescription->heightForWidth(lblDescription->width()) <= lblDescription->height();
    };
    form.Form_Load();
    EXPECT_TRUE(showsWhole());
    EXPECT_GE(lblDescription->font().pointSizeF(), 6.0);
    const std::string paragraph =
        "Kelvane Text File merger is a useful tool to merge text files in windows environment. ";
    about.SetLabelCaption("lblDescription",
                          paragraph + paragraph + paragraph + "\n\n www.kelvane.example");
    EXPECT_TRUE(showsWhole());
    EXPECT_LT(lblDescription->font().pointSizeF(), 8.25);
    form.Form_Load();
    EXPECT_TRUE(showsWhole());
}

// Esc wherever the focus is, Enter on the icon (which clicks OK) and the close box all close
// the dialog, and start nothing.
TEST_F(FrmAboutTest, EscEnterOnTheIconAndTheCloseBoxClose) {
    for (const auto& [widget, key] : std::vector<std::pair<QWidget*, Qt::Key>>{
             {picIcon, Qt::Key_Escape}, {cmdSysInfo, Qt::Key_Escape}, {picIcon, Qt::Key_Return}}) {
        EXPECT_TRUE(ShowModal([&] {
            widget->setFocus();
            QTest::keyClick(widget, key);
        })) << widget->objectName().toStdString()
            << " key " << key;
    }
    EXPECT_TRUE(ShowModal([&] { about.close(); })) << "the close box";
    EXPECT_TRUE(starter.attempts.empty());
    EXPECT_TRUE(msgBox.shown.empty());
}

// ---- System Info: the click reaches the launcher, and the dialog stays open.

TEST_F(FrmAboutTest, SysInfoSaysThereIsNoProgramThenStartsOneAndTheDialogStaysOpen) {
    std::vector<bool> open;
    EXPECT_TRUE(ShowModal([&] {
        QTest::mouseClick(cmdSysInfo, Qt::LeftButton);
        open.push_back(about.isVisible());
        locator.program = "/opt/sysinfo";
        starter.installed = {"/opt/sysinfo"};
        cmdSysInfo->setFocus();
        QTest::keyClick(cmdSysInfo, Qt::Key_Return);
        open.push_back(about.isVisible());
        QTest::keyClick(Focused(), Qt::Key_Escape);
    }));
    EXPECT_EQ(open, (std::vector<bool>{true, true}));
    EXPECT_EQ(starter.attempts, std::vector<std::string>{"/opt/sysinfo"});
    EXPECT_EQ(msgBox.shown.size(), 1u) << "the launcher's message, in the dialog's box";
}

}  // namespace
