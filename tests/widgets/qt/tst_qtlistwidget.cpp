#include "widgets/qt/qtlistwidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <string>
#include <vector>

#include "listcontract.h"
#include "pages/selection/mergeorder.h"
#include "qttestapp.h"
#include "typeaheadclock.h"

namespace kelvane::qt {
namespace {

using test::ListWidgetContract;
INSTANTIATE_TEST_SUITE_P(Qt, ListWidgetContract,
                         testing::Values(test::ListMaker{
                             "Qt",
                             [](ListRows::Style style) {
                                 auto list = std::make_shared<QtListWidget>(style);
                                 list->resize(200, 300);
                                 list->show();
                                 return list;
                             }}),
                         test::MakerName<test::ListMaker>);

class SingleListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.resize(200, 300);
        for (const char* text : {"A", "B", "C", "D", "E", "F"}) {
            list.AddItem(text);
        }
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QPoint RowCentre(int row) const {
        return list.visualRect(list.model()->index(row, 0)).center();
    }

    int SelectedCount() const {
        int count = 0;
        for (int i = 0; i < list.ListCount(); ++i) {
            count += list.Selected(i) ? 1 : 0;
        }
        return count;
    }

    QtListWidget list{QtListWidget::Style::SingleSelection};
};

TEST_F(SingleListTest, PressMakesTheRowCurrentBeforeTheEventAndTheCurrentRowFollowsTheDrag) {
    std::vector<int> currentAtPress;
    std::vector<MouseEvent> releases;
    QObject::connect(&list, &QtListWidget::MouseDown,
                     [&](const MouseEvent&) { currentAtPress.push_back(list.ListIndex()); });
    QObject::connect(&list, &QtListWidget::MouseUp,
                     [&](const MouseEvent& event) { releases.push_back(event); });

    QWidget* area = list.viewport();
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, RowCentre(0));
    QTest::mouseMove(area, RowCentre(1));
    EXPECT_EQ(list.ListIndex(), 1);
    QTest::mouseMove(area, RowCentre(3));
    EXPECT_EQ(list.ListIndex(), 3);
    QTest::mouseRelease(area, Qt::LeftButton, Qt::ShiftModifier, RowCentre(3));

    ASSERT_EQ(currentAtPress, std::vector<int>{0});
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_EQ(SelectedCount(), 1);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].button, MouseEvent::LeftButton);
    EXPECT_EQ(releases[0].shift, MouseEvent::ShiftKey);
    EXPECT_EQ(releases[0].y, RowCentre(3).y());
    // Texts never move by themselves.
    EXPECT_EQ(list.List(0), "A");
    EXPECT_EQ(list.List(3), "D");
}

TEST_F(SingleListTest, RightButtonIsReportedButPicksNoRow) {
    list.SetSelected(2, true);
    std::vector<MouseEvent> presses;
    QObject::connect(&list, &QtListWidget::MouseDown,
                     [&](const MouseEvent& event) { presses.push_back(event); });
    QTest::mousePress(list.viewport(), Qt::RightButton, Qt::ControlModifier, RowCentre(5));
    QTest::mouseRelease(list.viewport(), Qt::RightButton, Qt::ControlModifier, RowCentre(5));
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].button, MouseEvent::RightButton);
    EXPECT_EQ(presses[0].shift, MouseEvent::CtrlKey);
    EXPECT_EQ(list.ListIndex(), 2);
}

TEST_F(SingleListTest, CtrlClickKeepsThePickedRowSelected) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(2));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_TRUE(list.Selected(2));
}

TEST_F(SingleListTest, TakingTheFocusAfterAClearPicksNoRow) {
    list.SetSelected(1, true);
    list.Clear();
    list.AddItem("X");
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    list.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(list.ListIndex(), -1);
}

// In a list that never had a current row, taking the focus by Tab picks none, in either style.
TEST(QtListWidgetTest, TabIntoAListThatNeverHadACurrentRowPicksNone) {
    for (const auto style : {QtListWidget::Style::SingleSelection, QtListWidget::Style::CheckBox}) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* before = new QLineEdit(&window);
        auto* list = new QtListWidget(style, &window);
        layout->addWidget(before);
        layout->addWidget(list);
        list->AddItem("A");
        list->AddItem("B");
        ASSERT_TRUE(test::ShowActive(window));
        before->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        EXPECT_TRUE(list->hasFocus());
        EXPECT_EQ(list->ListIndex(), -1);
        EXPECT_FALSE(list->currentIndex().isValid());
    }
}

// The marks the program sets are the ones Qt draws, and a click on a box is the program's mark.
TEST(QtListWidgetTest, CheckBoxesShowTheMarksAndAClickOnABoxTogglesOne) {
    QtListWidget list(QtListWidget::Style::CheckBox);
    for (const char* text : {"TXT", "SQL", "DAT"}) {
        list.AddItem(text);
    }
    list.SetSelected(0, true);
    list.SetListIndex(2);
    const auto shown = [&list](int row) {
        return list.model()->index(row, 0).data(Qt::CheckStateRole).toInt();
    };
    EXPECT_EQ(shown(0), Qt::Checked);
    EXPECT_EQ(shown(1), Qt::Unchecked);
    EXPECT_EQ(shown(2), Qt::Unchecked);
    EXPECT_TRUE(list.model()->setData(list.model()->index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.Selected(1));
    EXPECT_EQ(list.ListIndex(), 2);
}

// Both styles look for the letters typed in quick succession; the check marks stay.
TEST(QtListWidgetTest, LettersTypedInQuickSuccessionAreLookedForTogether) {
    test::TypeAheadClock clock;
    for (const auto style : {QtListWidget::Style::SingleSelection, QtListWidget::Style::CheckBox}) {
        QtListWidget list(style);
        for (const char* text : {"plain.txt", "prog.txt", "report.txt"}) {
            list.AddItem(text);
        }
        ASSERT_TRUE(test::ShowActive(list));
        clock.Pause();
        QTest::keyClicks(&list, "pr");
        EXPECT_EQ(list.ListIndex(), 1);
        EXPECT_EQ(list.Selected(1), style == QtListWidget::Style::SingleSelection);
        clock.Pause();
        QTest::keyClicks(&list, "pp");
        EXPECT_EQ(list.ListIndex(), 1) << "p afresh, then p again: round to prog.txt";
    }
}

// The merge list of the main window in small: the real list, reordered by the real procedures.
class MergeListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.resize(200, 300);
        for (int i = 0; i < kRows; ++i) {
            list.AddItem("f" + std::to_string(i));
        }
        QObject::connect(&list, &QtListWidget::MouseDown,
                         [this](const MouseEvent& event) { order.lstFileSelect_MouseDown(event); });
        QObject::connect(&list, &QtListWidget::MouseUp,
                         [this](const MouseEvent& event) { order.lstFileSelect_MouseUp(event); });
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        QObject::connect(list.model(), &QAbstractItemModel::dataChanged, [this] { ++textNotes; });
        QObject::connect(list.selectionModel(), &QItemSelectionModel::currentChanged,
                         [this] { ++currentNotes; });
    }

    // Presses the left button on one row and releases it on another, the list scrolled so that
    // each is under the pointer in turn.
    void Drag(int from, int to) {
        QWidget* area = list.viewport();
        list.scrollTo(list.model()->index(from, 0));
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier,
                          list.visualRect(list.model()->index(from, 0)).center());
        list.scrollTo(list.model()->index(to, 0));
        const QPoint end = list.visualRect(list.model()->index(to, 0)).center();
        QMouseEvent move(QEvent::MouseMove, end, area->mapToGlobal(end), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &move);
        textNotes = 0;
        currentNotes = 0;
        QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, end);
    }

    static constexpr int kRows = 2000;
    QtListWidget list{QtListWidget::Style::SingleSelection};
    MergeOrder order{list};
    int textNotes = 0;
    int currentNotes = 0;
};

TEST_F(MergeListTest, ADragAcrossTheListIsShownInOneUpdate) {
    Drag(kRows - 1, 0);
    // Every row passed was one swap of the procedure, yet the view heard of them once.
    EXPECT_EQ(textNotes, 1);
    EXPECT_LE(currentNotes, 1);  // none when the pointer made the row current already
    EXPECT_EQ(list.List(0), "f1999");
    EXPECT_EQ(list.List(1), "f0");
    EXPECT_EQ(list.List(kRows - 1), "f1998");
    EXPECT_EQ(list.ListIndex(), 0);
    // What Qt shows agrees, once the release is over.
    EXPECT_EQ(list.currentIndex().row(), 0);
    EXPECT_TRUE(list.selectionModel()->isSelected(list.model()->index(0, 0)));
    EXPECT_EQ(list.selectionModel()->selectedIndexes().size(), 1);
    EXPECT_EQ(list.model()->index(0, 0).data().toString().toStdString(), "f1999");

    Drag(3, 7);  // rows f1999 f0 f1 f2 f3 f4 f5 f6 ...
    EXPECT_EQ(list.List(3), "f3");
    EXPECT_EQ(list.List(6), "f6");
    EXPECT_EQ(list.List(7), "f2");
    EXPECT_EQ(list.currentIndex().row(), 7);
}

TEST_F(MergeListTest, ProgramChangesAreReadAtOnceAndShownAtTheNextTurnOfTheEventLoop) {
    list.SetSelected(10, true);
    list.SetList(10, "moved");
    order.cmdUp_Click();
    EXPECT_EQ(list.ListIndex(), 9);
    EXPECT_TRUE(list.Selected(9));
    EXPECT_FALSE(list.Selected(10));
    EXPECT_EQ(list.List(9), "moved");
    EXPECT_EQ(list.List(10), "f9");
    QCoreApplication::processEvents();
    EXPECT_EQ(list.currentIndex().row(), 9);
    EXPECT_EQ(list.model()->index(9, 0).data().toString().toStdString(), "moved");

    // A press hands over what waits before the user's own pick.
    list.SetSelected(20, true);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualRect(list.model()->index(2, 0)).center());
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.currentIndex().row(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.ListIndex(), 2);

    // As do the changes that add or remove rows.
    list.SetSelected(5, true);
    list.RemoveItem(5);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_FALSE(list.currentIndex().isValid());
}

}  // namespace
}  // namespace kelvane::qt
