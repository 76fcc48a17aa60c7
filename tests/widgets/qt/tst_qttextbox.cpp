#include "widgets/qt/qttextbox.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

#include "qttestapp.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {
namespace {

using test::ActivateAnotherWindow;
using test::ShowActive;

// A window with the box between two other controls: a line edit before it and a button with
// the access key Alt+G after it.
class FocusWindow : public QWidget {
  public:
    FocusWindow() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(before);
        layout->addWidget(box);
        layout->addWidget(button);
        QObject::connect(box, &QtTextBox::LostFocus, [this] {
            ++lostFocus;
            raisedInside = raisedInside && focusWidget() != box && focusWidget() != nullptr;
        });
    }

    QLineEdit* before = new QLineEdit(this);
    QtTextBox* box = new QtTextBox(this);
    CommandButton* button = new CommandButton("&Go", this);
    int lostFocus = 0;
    bool raisedInside = true;  // each LostFocus came with the focus on another control already
};

struct FocusCase {
    const char* name;
    std::function<void(FocusWindow&)> act;
    bool raised;
    // The event is queued, so the act returns first; a command button's access key runs it
    // before its click, once the focus has moved.
    bool queued = true;
};

class LostFocusTest : public ::testing::TestWithParam<FocusCase> {};

TEST_P(LostFocusTest, IsRaisedOnlyWhenTheFocusMovesInsideTheWindow) {
    FocusWindow window;
    ASSERT_TRUE(ShowActive(window));
    window.box->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.box->hasFocus());

    GetParam().act(window);
    if (GetParam().queued) {
        EXPECT_EQ(window.lostFocus, 0) << "raised before the focus change was complete";
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(window.lostFocus, GetParam().raised ? 1 : 0);
    EXPECT_TRUE(window.raisedInside) << "raised before the focus change was complete";
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, LostFocusTest,
    ::testing::Values(
        FocusCase{"Mouse", [](FocusWindow& w) { QTest::mouseClick(w.before, Qt::LeftButton); },
                  true},
        FocusCase{"Tab", [](FocusWindow& w) { QTest::keyClick(w.box, Qt::Key_Tab); }, true},
        FocusCase{
            "ShiftTab",
            [](FocusWindow& w) { QTest::keyClick(w.box, Qt::Key_Backtab, Qt::ShiftModifier); },
            true},
        FocusCase{"AccessKey",
                  [](FocusWindow& w) { QTest::keyClick(w.box, Qt::Key_G, Qt::AltModifier); }, true,
                  false},
        FocusCase{"SetFocusOfAnotherControl",
                  [](FocusWindow& w) { w.before->setFocus(Qt::OtherFocusReason); }, true},
        FocusCase{"AnotherWindowActivated",
                  [](FocusWindow& w) { ASSERT_TRUE(ActivateAnotherWindow(w)); }, false},
        FocusCase{"MouseOnTheWindowNotActive",
                  [](FocusWindow& w) {
                      ASSERT_TRUE(ActivateAnotherWindow(w));
                      QTest::mouseClick(w.before, Qt::LeftButton);
                  },
                  true},
        FocusCase{"SetFocusInTheWindowNotActive",
                  [](FocusWindow& w) {
                      ASSERT_TRUE(ActivateAnotherWindow(w));
                      w.before->setFocus(Qt::OtherFocusReason);
                  },
                  true},
        FocusCase{"HiddenInTheWindowNotActiveThenActivated",
                  [](FocusWindow& w) {
                      ASSERT_TRUE(ActivateAnotherWindow(w));
                      w.box->hide();  // its page left for another
                      ASSERT_TRUE(ShowActive(w));
                  },
                  true, false},
        FocusCase{"MessageBoxOpened",
                  [](FocusWindow& w) {
                      auto* box = new QMessageBox(QMessageBox::Critical, "Kelvane Message",
                                                  "Invalid", QMessageBox::Ok, &w);
                      box->setAttribute(Qt::WA_DeleteOnClose);
                      box->open();
                      ASSERT_TRUE(QTest::qWaitForWindowActive(box));
                      box->close();
                  },
                  false}),
    [](const ::testing::TestParamInfo<FocusCase>& reason) {
        return std::string(reason.param.name);
    });

TEST(QtTextBoxTest, SelectionCountsBytesOfTheEightBitText) {
    QtTextBox box;
    box.SetText("\xc3\xa9t\xc3\xa9");  // "été": 3 characters, 5 bytes
    EXPECT_EQ(box.Text(), "\xc3\xa9t\xc3\xa9");
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    EXPECT_EQ(box.selectedText(), QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 5);

    box.SetSelStart(2);
    EXPECT_EQ(box.cursorPosition(), 1);
    EXPECT_EQ(box.SelLength(), 0);
    box.SetSelLength(1);
    EXPECT_EQ(box.selectedText(), QString("t"));
    EXPECT_EQ(box.SelStart(), 2);
    box.SetSelStart(0);
    box.SetSelLength(2);  // the first character's two bytes
    EXPECT_EQ(box.selectedText(), QString::fromUtf8("\xc3\xa9"));
}

TEST(QtTextBoxTest, AHiddenBoxRefusesTheFocus) {
    QWidget window;
    auto* box = new QtTextBox(&window);
    box->hide();
    ASSERT_TRUE(test::ShowActive(window));
    EXPECT_THROW(box->SetFocus(), WidgetError);
    EXPECT_FALSE(box->hasFocus());
    box->show();
    box->SetFocus();
    EXPECT_TRUE(box->hasFocus());
}

TEST(QtTextBoxTest, MaximumLengthRefusesFurtherTyping) {
    QtTextBox box;
    EXPECT_EQ(box.MaxLength(), 0);
    box.SetMaxLength(4);
    EXPECT_EQ(box.MaxLength(), 4);
    QTest::keyClicks(&box, "ABCDE");
    EXPECT_EQ(box.Text(), "ABCD");
    box.SetMaxLength(0);
    QTest::keyClicks(&box, "EF");
    EXPECT_EQ(box.Text(), "ABCDEF");
}

}  // namespace
}  // namespace kelvane::qt
