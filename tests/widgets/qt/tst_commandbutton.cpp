#include "widgets/qt/commandbutton.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QVBoxLayout>

#include "qttestapp.h"
#include "widgets/qt/qttextbox.h"

namespace kelvane::qt {
namespace {

using test::ShowActive;

// An entry box whose focus-loss check can fail and put the focus back, and a button after it.
class EntryWindow : public QWidget {
  public:
    EntryWindow() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box);
        layout->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        QObject::connect(box, &QtTextBox::LostFocus, [this] {
            ++checks;
            if (checkFails) {
                box->SetFocus();
                box->selectAll();
            }
        });
    }

    void FocusBox() {
        box->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        checks = 0;
    }

    QtTextBox* box = new QtTextBox(this);
    CommandButton* button = new CommandButton("&Add to List", this);
    bool checkFails = false;
    int checks = 0;
    int clicks = 0;
};

class CommandButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ShowActive(window));
        window.FocusBox();
    }

    EntryWindow window;
};

TEST_F(CommandButtonTest, AccessKeyMovesTheFocusThenClicks) {
    QTest::keyClick(window.box, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(window.button->hasFocus());
    EXPECT_EQ(window.clicks, 0) << "the click waits for the focus change to complete";
    QCoreApplication::processEvents();
    EXPECT_EQ(window.checks, 1);
    EXPECT_EQ(window.clicks, 1);
}

TEST_F(CommandButtonTest, AfterAFailedCheckTheAccessKeyNeverClicks) {
    window.checkFails = true;
    for (int round = 0; round < 3; ++round) {
        QTest::keyClick(window.box, Qt::Key_A, Qt::AltModifier);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.checks, round + 1);
        EXPECT_EQ(window.clicks, 0);
        EXPECT_TRUE(window.box->hasFocus());
    }
}

TEST_F(CommandButtonTest, AfterAFailedCheckAMouseClickNeverClicksEither) {
    window.checkFails = true;
    const QPoint centre = window.button->rect().center();
    QTest::mousePress(window.button, Qt::LeftButton, Qt::NoModifier, centre);
    QCoreApplication::processEvents();  // the user is slower than the check
    QTest::mouseRelease(window.button, Qt::LeftButton, Qt::NoModifier, centre);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.checks, 1);
    EXPECT_EQ(window.clicks, 0);
    EXPECT_TRUE(window.box->hasFocus());
}

TEST_F(CommandButtonTest, AfterAFailedCheckAQuickClickNeverClicks) {
    window.checkFails = true;
    QTest::mouseClick(window.button, Qt::LeftButton);  // press and release delivered together
    QCoreApplication::processEvents();
    EXPECT_EQ(window.checks, 1);
    EXPECT_EQ(window.clicks, 0);
    EXPECT_TRUE(window.box->hasFocus());

    window.checkFails = false;
    QTest::mouseClick(window.button, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.clicks, 1) << "a passed check lets the same quick click through";
}

TEST_F(CommandButtonTest, EnterAndSpaceClickTheFocusedButtonAndEscapeDoesNot) {
    window.button->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClick(window.button, Qt::Key_Return);
    QTest::keyClick(window.button, Qt::Key_Space);
    QTest::keyClick(window.button, Qt::Key_Escape);
    EXPECT_EQ(window.clicks, 2);
    EXPECT_FALSE(window.button->isDefault());
}

}  // namespace
}  // namespace kelvane::qt
