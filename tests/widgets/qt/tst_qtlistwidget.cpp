#include "widgets/qt/qtlistwidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <string>
#include <vector>

#include "listcontract.h"
#include "pages/selection/mergeorder.h"
#include "qttestapp.h"

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

// A list after a line edit in a window on screen, pressed, clicked and typed into through Qt's
// events.
class QtListHand : public test::ListHand {
  public:
    explicit QtListHand(ListRows::Style style) : list_(new QtListWidget(style, &window_)) {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(before_);
        layout->addWidget(list_);
        window_.resize(200, 400);
        EXPECT_TRUE(test::ShowActive(window_));
    }
    ListWidget& List() override { return *list_; }
    void Mouse(Act act, int row, int button, int keys, bool onBox) override {
        const Qt::MouseButton qtButton =
            button == MouseEvent::LeftButton ? Qt::LeftButton : Qt::RightButton;
        const Qt::KeyboardModifiers held =
            (keys & MouseEvent::CtrlKey ? Qt::ControlModifier : Qt::NoModifier) |
            (keys & MouseEvent::ShiftKey ? Qt::ShiftModifier : Qt::NoModifier);
        const QRect rect = list_->visualRect(list_->model()->index(row, 0));
        QPoint at = rect.center();
        if (onBox) {  // where the style puts the box: past the focus frame's margin
            const QStyle* style = list_->style();
            at.setX(rect.left() + style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1 +
                    style->pixelMetric(QStyle::PM_IndicatorWidth) / 2);
        }
        if (act == kDown) {
            QTest::mousePress(list_->viewport(), qtButton, held, at);
        } else if (act == kMove) {
            QTest::mouseMove(list_->viewport(), at);
        } else {
            QTest::mouseRelease(list_->viewport(), qtButton, held, at);
        }
    }
    int Y(int row) override {
        return list_->visualRect(list_->model()->index(row, 0)).center().y();
    }
    void TabIn() override {
        before_->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(before_, Qt::Key_Tab);
        EXPECT_TRUE(list_->hasFocus());
    }
    void Type(const std::string& typed) override { QTest::keyClicks(list_, typed.c_str()); }
    void On(Event event, std::function<void(const MouseEvent&)> handler) override {
        QObject::connect(
            list_, event == Event::MouseDown ? &QtListWidget::MouseDown : &QtListWidget::MouseUp,
            std::move(handler));
    }

  private:
    QWidget window_;
    QLineEdit* before_ = new QLineEdit(&window_);
    QtListWidget* list_;
};

using test::ListGestures;
INSTANTIATE_TEST_SUITE_P(
    Qt, ListGestures,
    testing::Values(test::ListHandMaker{
        "Qt", [](ListRows::Style style) { return std::make_unique<QtListHand>(style); }}),
    test::MakerName<test::ListHandMaker>);

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
