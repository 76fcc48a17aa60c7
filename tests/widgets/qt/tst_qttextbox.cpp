#include "widgets/qt/qttextbox.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

#include "qttestapp.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {
namespace {

using test::ActivateAnotherWindow;
using test::ShowActive;

// A window with the box after a line edit. A click, Tab and an access key out of the box are the
// gestures of the entry check on the real main window.
struct FocusWindow : QWidget {
    FocusWindow() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(&before);
        layout->addWidget(&box);
        QObject::connect(&box, &QtTextBox::LostFocus, [this] {
            ++lostFocus;
            raisedInside = raisedInside && focusWidget() != &box && focusWidget() != nullptr;
        });
    }

    QLineEdit before{this};
    QtTextBox box{this};
    int lostFocus = 0;
    bool raisedInside = true;  // each LostFocus came with the focus on another control already
};

TEST(QtTextBoxTest, LostFocusIsRaisedOnlyWhenTheFocusMovesInsideTheWindow) {
    using Act = std::function<void(FocusWindow&)>;
    const Act setFocus = [](FocusWindow& w) { w.before.setFocus(Qt::OtherFocusReason); };
    const struct {
        const char* name;
        bool inactive;  // another window takes the activation first
        Act act;
        bool raised;
        // The event is queued, so the act returns first.
        bool queued = true;
    } cases[] = {
        {"ShiftTab", false,
         [](FocusWindow& w) { QTest::keyClick(&w.box, Qt::Key_Backtab, Qt::ShiftModifier); }, true},
        {"SetFocusOfAnotherControl", false, setFocus, true},
        {"AnotherWindowActivated", true, [](FocusWindow&) {}, false},
        {"SetFocusInTheWindowNotActive", true, setFocus, true},
        {"HiddenInTheWindowNotActiveThenActivated", true,
         [](FocusWindow& w) {
             w.box.hide();  // its page left for another
             ASSERT_TRUE(ShowActive(w));
         },
         true, false},
        {"MessageBoxOpened", false,
         [](FocusWindow& w) {
             QMessageBox box(QMessageBox::Critical, "Kelvane Message", "Invalid", QMessageBox::Ok,
                             &w);
             box.open();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
             box.close();
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FocusWindow window;
        ASSERT_TRUE(ShowActive(window));
        window.box.setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(window.box.hasFocus());
        if (c.inactive) {
            ASSERT_TRUE(ActivateAnotherWindow(window));
        }
        c.act(window);
        if (c.queued) {
            EXPECT_EQ(window.lostFocus, 0) << "raised before the focus change was complete";
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(window.lostFocus, c.raised ? 1 : 0);
        EXPECT_TRUE(window.raisedInside) << "raised before the focus change was complete";
    }
}

// SelStart and SelLength count bytes of the 8-bit text, over Qt's character positions.
TEST(QtTextBoxTest, SelectionCountsBytesOfTheEightBitText) {
    QtTextBox box;
    box.SetText("\xc3\xa9t\xc3\xa9");  // "été": 3 characters, 5 bytes
    box.SetSelStart(0);
    box.SetSelLength(5);
    EXPECT_EQ(box.selectedText(), QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(box.SelLength(), 5);
    box.SetSelStart(2);
    EXPECT_EQ(box.cursorPosition(), 1);
    EXPECT_EQ(box.SelLength(), 0);
    box.SetSelLength(1);
    EXPECT_EQ(box.selectedText(), QString("t"));
    EXPECT_EQ(box.SelStart(), 2);
}

// A box whose page was left for another is not shown, though not hidden itself.
TEST(QtTextBoxTest, ABoxOnAPageNotShownRefusesTheFocus) {
    QWidget window;
    auto* page = new QWidget(&window);
    auto* box = new QtTextBox(page);
    page->hide();
    ASSERT_TRUE(ShowActive(window));
    EXPECT_THROW(box->SetFocus(), WidgetError);
    page->show();
    box->SetFocus();
    EXPECT_TRUE(box->hasFocus());
}

TEST(QtTextBoxTest, MaximumLengthRefusesFurtherTyping) {
    QtTextBox box;
    box.SetMaxLength(4);
    QTest::keyClicks(&box, "ABCDE");
    EXPECT_EQ(box.Text(), "ABCD");
    box.SetMaxLength(0);
    QTest::keyClicks(&box, "EF");
    EXPECT_EQ(box.Text(), "ABCDEF");
}

}  // namespace
}  // namespace kelvane::qt
