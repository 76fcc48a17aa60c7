#include "pages/about/frmabout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "describedplaces.h"
#include "fakeform.h"
#include "fakemsgbox.h"
#include "pages/about/aboutbox.h"
#include "pages/about/frmaboutdesign.h"
#include "pages/about/sysinfolauncher.h"
#include "sysinfodoubles.h"
#include "widgets/qt/qttoolkit.h"
#include "widgets/qt/qtwindow.h"

namespace {

using kelvane::test::FakeSysInfoLocator;
using kelvane::test::RecordingStarter;

// What the dialog showed at one moment.
struct Shown {
    // What the About box's load gives the dialog's caption and labels.
    static Shown Of(const kelvane::test::FakeForm& form) {
        return {form.caption, form.labels.at("lblTitle"), form.labels.at("lblVersion"),
                form.labels.at("lblDescription")};
    }

    std::string caption, title, version, description;

    static Shown Of(const QWidget& about) {
        const auto text = [&](const char* label) {
            return about.findChild<QLabel*>(label)->text().toStdString();
        };
        return {about.windowTitle().toStdString(), text("lblTitle"), text("lblVersion"),
                text("lblDescription")};
    }
    bool operator==(const Shown&) const = default;
};

// Records the texts of the dialog each time it becomes visible.
class ShowWatcher : public QObject {
  public:
    explicit ShowWatcher(QWidget& about) : about_(about) { about.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &about_ && event->type() == QEvent::Show) {
            shows.push_back(Shown::Of(about_));
        }
        return false;
    }
    std::vector<Shown> shows;

  private:
    QWidget& about_;
};

// The texts the About box's load sets, from the dialog's own placeholders.
Shown Loaded() {
    kelvane::test::FakeForm form;
    for (const char* label : {"lblTitle", "lblVersion", "lblDescription"}) {
        form.labels[label] = frmAboutDesign().Find(label)->Caption();
    }
    kelvane::LoadAboutBox(form);
    return Shown::Of(form);
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
    QLabel* lblVersion = about.findChild<QLabel*>("lblVersion");
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
    EXPECT_EQ(cmdSysInfo->text().toStdString(), design.Find("cmdSysInfo")->Caption());
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

// ---- Showing: the texts, the focus and the ways to close.

TEST_F(FrmAboutTest, ShowsItsTextsWithTheFocusOnOk) {
    ShowWatcher watcher(about);
    Shown seen;
    QWidget* focus = nullptr;
    EXPECT_TRUE(ShowModal([&] {
        seen = Shown::Of(about);
        focus = Focused();
        QTest::keyClick(Focused(), Qt::Key_Escape);
    }));

    EXPECT_EQ(seen, Loaded());
    EXPECT_EQ(focus, cmdOK);
    // The texts were in place before the dialog ever showed: no placeholder is seen.
    ASSERT_EQ(watcher.shows.size(), 1u);
    EXPECT_EQ(watcher.shows[0], seen);
}

bool ShowsWhole(const QLabel* label) {
    return label->heightForWidth(label->width()) <= label->height();
}

TEST_F(FrmAboutTest, DescriptionShowsWholeWithTheAddressLine) {
    form.Form_Load();
    EXPECT_TRUE(ShowsWhole(lblDescription));
    EXPECT_GE(lblDescription->font().pointSizeF(), 6.0);
}

TEST_F(FrmAboutTest, ALongerDescriptionStillShowsWhole) {
    const std::string paragraph =
        "Kelvane Text File merger is a useful tool to merge text files in windows environment. ";
    about.SetLabelCaption("lblDescription",
                          paragraph + paragraph + paragraph + "\n\n www.kelvane.example");
    EXPECT_TRUE(ShowsWhole(lblDescription));
    EXPECT_LT(lblDescription->font().pointSizeF(), 8.25);

    form.Form_Load();  // the usual text again at the usual size, where it fits
    EXPECT_TRUE(ShowsWhole(lblDescription));
}

TEST_F(FrmAboutTest, TabMovesThroughOkIconAndSysInfo) {
    std::vector<QWidget*> order;
    EXPECT_TRUE(ShowModal([&] {
        for (int i = 0; i < 4; ++i) {
            order.push_back(Focused());
            QTest::keyClick(Focused(), Qt::Key_Tab);
        }
        cmdOK->click();
    }));
    EXPECT_EQ(order, (std::vector<QWidget*>{cmdOK, picIcon, cmdSysInfo, cmdOK}));
}

TEST_F(FrmAboutTest, EscClosesWhereverTheFocusIs) {
    EXPECT_TRUE(ShowModal([&] {
        picIcon->setFocus();
        QTest::keyClick(picIcon, Qt::Key_Escape);
    }));
    EXPECT_TRUE(ShowModal([&] {
        cmdSysInfo->setFocus();
        QTest::keyClick(cmdSysInfo, Qt::Key_Escape);
    }));
    EXPECT_TRUE(starter.attempts.empty());
    EXPECT_TRUE(msgBox.shown.empty());
}

TEST_F(FrmAboutTest, EnterOnTheIconClicksOk) {
    EXPECT_TRUE(ShowModal([&] {
        picIcon->setFocus();
        QTest::keyClick(picIcon, Qt::Key_Return);
    }));
    EXPECT_TRUE(starter.attempts.empty());
}

TEST_F(FrmAboutTest, TheCloseBoxClosesIt) {
    EXPECT_TRUE(ShowModal([&] { about.close(); }));
}

TEST_F(FrmAboutTest, OpenCloseOpenShowsTheSameTextsAndFocus) {
    Shown first, second;
    QWidget* focus = nullptr;
    EXPECT_TRUE(ShowModal([&] {
        first = Shown::Of(about);
        cmdSysInfo->setFocus();
        about.setWindowTitle("changed");
        lblDescription->setText("changed");
        QTest::keyClick(Focused(), Qt::Key_Escape);
    }));
    EXPECT_TRUE(ShowModal([&] {
        second = Shown::Of(about);
        focus = Focused();
        cmdOK->click();
    }));
    EXPECT_EQ(second, first);
    EXPECT_EQ(focus, cmdOK);
}

// ---- System Info.

TEST_F(FrmAboutTest, EnterOnSysInfoStartsTheProgramAndTheDialogStaysOpen) {
    locator.program = "/opt/sysinfo";
    starter.installed = {"/opt/sysinfo"};
    bool openAfterStart = false;
    EXPECT_TRUE(ShowModal([&] {
        cmdSysInfo->setFocus();
        QTest::keyClick(cmdSysInfo, Qt::Key_Return);
        openAfterStart = about.isVisible();
        QTest::keyClick(Focused(), Qt::Key_Escape);
    }));
    EXPECT_TRUE(openAfterStart);
    EXPECT_EQ(starter.attempts, std::vector<std::string>{"/opt/sysinfo"});
    EXPECT_TRUE(msgBox.shown.empty());
}

TEST_F(FrmAboutTest, SysInfoWithNoProgramSaysSoAndTheDialogStaysOpen) {
    bool openAfterMessage = false;
    EXPECT_TRUE(ShowModal([&] {
        QTest::mouseClick(cmdSysInfo, Qt::LeftButton);
        openAfterMessage = about.isVisible();
        cmdOK->click();
    }));
    EXPECT_TRUE(openAfterMessage);
    EXPECT_TRUE(starter.attempts.empty());
    ASSERT_EQ(msgBox.shown.size(), 1u);
    const auto& shown = msgBox.shown[0];
    EXPECT_EQ(shown.text, kelvane::kSysInfoUnavailable);
}

TEST_F(FrmAboutTest, PlatformServicesByDefault) {
    frmAbout own(toolkit);
    own.Form_Load();
    EXPECT_EQ(Shown::Of(dynamic_cast<const QWidget&>(own.window())), Loaded());
}

}  // namespace
