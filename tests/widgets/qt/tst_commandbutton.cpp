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
        lstFileType->SetListIndex(0);  // something for "&Delete from List" to remove
        QObject::connect(txtFileType, &QtTextBox::LostFocus,
                         [this] { types.txtFileType_LostFocus(); });
        QObject::connect(cmdAddFileType, &QPushButton::clicked, [this] {
            ++adds;
            types.cmdAddFileType_Click();
        });
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
    int adds = 0;
};

// A gesture of the user after typing `entry`, and the types listed afterwards; with an invalid
// entry, the list as before.
struct GestureCase {
    const char* name;
    std::function<void(OptionsPage&)> act;
    const char* entry = "1";
    std::vector<std::string> types = {"TXT", "SQL", "DAT"};
    int adds = 0;  // clicks of "&Add to List"
};

void PrintTo(const GestureCase& gesture, std::ostream* out) {
    *out << gesture.name;
}

class EntryCheckGestureTest : public ::testing::TestWithParam<GestureCase> {};

// The check runs once, when the focus leaves the entry, before the click. After a failed check,
// no button's click runs: not behind the real message box, not while it is open, not after it.
TEST_P(EntryCheckGestureTest, AFailedCheckStopsTheClickAndAPassedOneLetsItRun) {
    OptionsPage page;
    ASSERT_TRUE(ShowActive(page));
    page.txtFileType->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClicks(page.txtFileType, GetParam().entry);
    const bool valid = std::string(GetParam().entry) != "1";
    {
        ModalBoxAnswerer user;
        GetParam().act(page);
        for (int round = 0; round < 5; ++round) {
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(user.texts.size(), valid ? 0u : 1u) << "one message, and nothing opened over it";
        if (!valid) {
            EXPECT_EQ(user.texts[0].toStdString(),
                      "Invalid file type. Please enter a valid type ( 'TXT', 'DAT'...)");
        }
    }
    EXPECT_EQ(page.Types(), GetParam().types);
    EXPECT_EQ(page.merges, 0);
    EXPECT_EQ(page.adds, GetParam().adds);
    if (valid) {
        EXPECT_EQ(QApplication::focusWidget(), page.cmdAddFileType);
        return;
    }
    EXPECT_EQ(page.txtFileType->Text(), "1");
    EXPECT_EQ(page.focusWidget(), page.txtFileType);
    ASSERT_TRUE(ShowActive(page));  // as the window manager does once the box has gone
    EXPECT_EQ(QApplication::focusWidget(), page.txtFileType);
    EXPECT_EQ(page.txtFileType->SelLength(), 1);
}

const auto kAltKey = [](Qt::Key key) {
    return [key](OptionsPage& page) { QTest::keyClick(page.txtFileType, key, Qt::AltModifier); };
};
const auto kClick = [](OptionsPage& page) {
    QTest::mouseClick(page.cmdAddFileType, Qt::LeftButton);
};
// The user is slower than the check: its message comes and goes between press and release.
const auto kPacedClick = [](OptionsPage& page) {
    QTest::mousePress(page.cmdAddFileType, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::mouseRelease(page.cmdAddFileType, Qt::LeftButton);
};
const auto kFocusThenKeys = [](std::vector<Qt::Key> keys) {
    return [keys](OptionsPage& page) {
        page.cmdAddFileType->setFocus(Qt::TabFocusReason);
        for (const Qt::Key key : keys) {
            QTest::keyClick(page.cmdAddFileType, key);
        }
    };
};
const std::vector<std::string> kWithDoc{"TXT", "SQL", "DAT", "Doc"};

INSTANTIATE_TEST_SUITE_P(
    Gestures, EntryCheckGestureTest,
    ::testing::Values(GestureCase{"AltA", kAltKey(Qt::Key_A)},
                      GestureCase{"AltD", kAltKey(Qt::Key_D)},
                      GestureCase{"AltE", kAltKey(Qt::Key_E)},
                      GestureCase{"AltL", kAltKey(Qt::Key_L)},
                      GestureCase{"AltM", kAltKey(Qt::Key_M)}, GestureCase{"MouseClick", kClick},
                      GestureCase{"PacedMouseClick", kPacedClick},
                      // Before the window system activates the window.
                      GestureCase{"MouseClickOnTheWindowNotActive",
                                  [](OptionsPage& page) {
                                      ASSERT_TRUE(ActivateAnotherWindow(page));
                                      kClick(page);
                                  }},
                      GestureCase{"ValidByAltA", kAltKey(Qt::Key_A), "Doc", kWithDoc, 1},
                      GestureCase{"ValidByMouseClick", kClick, "Doc", kWithDoc, 1},
                      GestureCase{"ValidByPacedMouseClick", kPacedClick, "Doc", kWithDoc, 1},
                      // Enter and Space click the focused button, once each; Escape does not.
                      GestureCase{"ValidByEnterSpaceAndEscape",
                                  kFocusThenKeys({Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}),
                                  "Doc", kWithDoc, 2}),
    [](const ::testing::TestParamInfo<GestureCase>& gesture) {
        return std::string(gesture.param.name);
    });

}  // namespace
}  // namespace kelvane::qt
