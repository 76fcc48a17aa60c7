#include "widgets/qt/commandbutton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "modalboxes.h"
#include "pages/filetypes/filetypelist.h"
#include "qttestapp.h"
#include "widgets/qt/qtlistwidget.h"
#include "widgets/qt/qtmsgbox.h"
#include "widgets/qt/qttextbox.h"

namespace kelvane::qt {
namespace {

using test::ActivateAnotherWindow;
using test::ModalBoxAnswerer;
using test::ShowActive;

// An entry box whose focus-loss check can fail and put the focus back, and a button after it.
class EntryWindow : public QWidget {
  public:
    EntryWindow() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box);
        layout->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] {
            ++clicks;
            checksBeforeClick = checks;
        });
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
    int checksBeforeClick = -1;
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
    QCoreApplication::processEvents();
    EXPECT_EQ(window.checks, 1);
    EXPECT_EQ(window.clicks, 1);
    EXPECT_EQ(window.checksBeforeClick, 1) << "the click waits for the focus change to complete";
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

// The Options page in small: the entry box whose focus loss runs the real entry check with the
// real message box, the type list, and the page's buttons with their access keys, plus one
// button of another page ("&Merge files").
class OptionsPage : public QWidget {
  public:
    OptionsPage() : types(*lstFileType, *txtFileType, msgBox) {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* control :
             std::initializer_list<QWidget*>{txtFileType, lstFileType, cmdAddFileType, cmdDelete,
                                             cmdLearList, cmdClear, cmdMerge}) {
            layout->addWidget(control);
        }
        txtFileType->SetMaxLength(4);
        types.AddDefaults();
        QObject::connect(txtFileType, &QtTextBox::LostFocus,
                         [this] { types.txtFileType_LostFocus(); });
        QObject::connect(cmdAddFileType, &QPushButton::clicked,
                         [this] { types.cmdAddFileType_Click(); });
        QObject::connect(cmdDelete, &QPushButton::clicked, [this] { types.cmdDelete_Click(); });
        QObject::connect(cmdLearList, &QPushButton::clicked, [this] { types.cmdLearList_Click(); });
        QObject::connect(cmdClear, &QPushButton::clicked, [this] { types.cmdClear_Click(); });
        QObject::connect(cmdMerge, &QPushButton::clicked, [this] { ++merges; });
    }

    std::vector<std::string> Types() const {
        std::vector<std::string> items;
        for (int i = 0; i < lstFileType->ListCount(); ++i) {
            items.push_back(lstFileType->List(i));
        }
        return items;
    }

    QtTextBox* txtFileType = new QtTextBox(this);
    QtListWidget* lstFileType = new QtListWidget(QtListWidget::Style::CheckBox, this);
    CommandButton* cmdAddFileType = new CommandButton("&Add to List", this);
    CommandButton* cmdDelete = new CommandButton("&Delete from List", this);
    CommandButton* cmdLearList = new CommandButton("Cl&ear List", this);
    CommandButton* cmdClear = new CommandButton("C&lear", this);
    CommandButton* cmdMerge = new CommandButton("&Merge files", this);
    QtMsgBox msgBox{this};
    FileTypeList types;
    int merges = 0;
};

struct GestureCase {
    const char* name;
    std::function<void(OptionsPage&)> act;
};

void PrintTo(const GestureCase& gesture, std::ostream* out) {
    *out << gesture.name;
}

class EntryCheckGestureTest : public ::testing::TestWithParam<GestureCase> {};

// After the entry check has failed, no button's click runs: not behind the message box, not
// while it is open, not after it.
TEST_P(EntryCheckGestureTest, AFailedCheckStopsTheClickWithTheRealMessageBox) {
    OptionsPage page;
    ASSERT_TRUE(ShowActive(page));
    page.lstFileType->SetListIndex(0);  // something for "&Delete from List" to remove
    page.txtFileType->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClicks(page.txtFileType, "1");
    const std::vector<std::string> before = page.Types();
    {
        ModalBoxAnswerer user;
        GetParam().act(page);
        for (int round = 0; round < 5; ++round) {
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(user.texts.size(), 1u) << "one message, and nothing opened over it";
        EXPECT_EQ(user.texts[0].toStdString(),
                  "Invalid file type. Please enter a valid type ( 'TXT', 'DAT'...)");
    }
    EXPECT_EQ(page.Types(), before);
    EXPECT_EQ(page.txtFileType->Text(), "1");
    EXPECT_EQ(page.merges, 0);
    EXPECT_EQ(page.focusWidget(), page.txtFileType);
    ASSERT_TRUE(ShowActive(page));  // as the window manager does once the box has gone
    EXPECT_EQ(QApplication::focusWidget(), page.txtFileType);
    EXPECT_EQ(page.txtFileType->SelLength(), 1);
}

const auto kAltKey = [](Qt::Key key) {
    return [key](OptionsPage& page) { QTest::keyClick(page.txtFileType, key, Qt::AltModifier); };
};

INSTANTIATE_TEST_SUITE_P(Gestures, EntryCheckGestureTest,
                         ::testing::Values(GestureCase{"AltA", kAltKey(Qt::Key_A)},
                                           GestureCase{"AltD", kAltKey(Qt::Key_D)},
                                           GestureCase{"AltE", kAltKey(Qt::Key_E)},
                                           GestureCase{"AltL", kAltKey(Qt::Key_L)},
                                           GestureCase{"AltM", kAltKey(Qt::Key_M)},
                                           GestureCase{"MouseClick",
                                                       [](OptionsPage& page) {
                                                           QTest::mouseClick(page.cmdAddFileType,
                                                                             Qt::LeftButton);
                                                       }},
                                           // Before the window system activates the window.
                                           GestureCase{"MouseClickOnTheWindowNotActive",
                                                       [](OptionsPage& page) {
                                                           ASSERT_TRUE(ActivateAnotherWindow(page));
                                                           QTest::mouseClick(page.cmdAddFileType,
                                                                             Qt::LeftButton);
                                                       }}),
                         [](const ::testing::TestParamInfo<GestureCase>& gesture) {
                             return std::string(gesture.param.name);
                         });

TEST(EntryCheckTest, APassedCheckLetsTheAccessKeyClick) {
    OptionsPage page;
    ASSERT_TRUE(ShowActive(page));
    page.txtFileType->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClicks(page.txtFileType, "Doc");
    ModalBoxAnswerer user;
    QTest::keyClick(page.txtFileType, Qt::Key_A, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(user.texts.empty());
    EXPECT_EQ(page.Types(), (std::vector<std::string>{"TXT", "SQL", "DAT", "Doc"}));
    EXPECT_EQ(QApplication::focusWidget(), page.cmdAddFileType);
}

}  // namespace
}  // namespace kelvane::qt
