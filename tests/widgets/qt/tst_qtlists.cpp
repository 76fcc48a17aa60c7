// The Qt lists: the hands that run the shared list suites on them, and what only Qt's drawing and
// events add: the program's changes shown in one batch, the folder list's gestures and pictures,
// the file names' text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "listcontract.h"
#include "pages/selection/mergeorder.h"
#include "qttestapp.h"
#include "tempfolder.h"
#include "typeaheadclock.h"
#include "widgets/drives.h"
#include "widgets/qt/appicons.h"
#include "widgets/qt/qtdrivelist.h"
#include "widgets/qt/qtfilelist.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/qt/qtlistwidget.h"

namespace kelvane::qt {
namespace {

using test::TempFolder;

QPoint Centre(const QAbstractItemView& view, int row) {
    return view.visualRect(view.model()->index(row, 0)).center();
}

Qt::KeyboardModifiers Held(bool ctrl, bool shift) {
    return (ctrl ? Qt::ControlModifier : Qt::NoModifier) |
           (shift ? Qt::ShiftModifier : Qt::NoModifier);
}

// A list after a line edit in a window on screen, pressed, clicked and typed into through Qt's
// events.
class QtListHand : public test::ListHand {
  public:
    explicit QtListHand(ListRows::Style style) : list(style, &window) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&before);
        layout->addWidget(&list);
        window.resize(200, 400);
        EXPECT_TRUE(test::ShowActive(window));
    }
    ListWidget& List() override { return list; }
    void Mouse(Act act, int row, int button, int keys, bool onBox) override {
        const auto qtButton = button == MouseEvent::LeftButton ? Qt::LeftButton : Qt::RightButton;
        const Qt::KeyboardModifiers held =
            Held(keys & MouseEvent::CtrlKey, keys & MouseEvent::ShiftKey);
        QPoint at = Centre(list, row);
        if (onBox) {  // where the style puts the box: past the focus frame's margin
            const QStyle* style = list.style();
            at.setX(list.visualRect(list.model()->index(row, 0)).left() +
                    style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1 +
                    style->pixelMetric(QStyle::PM_IndicatorWidth) / 2);
        }
        if (act == kDown) {
            QTest::mousePress(list.viewport(), qtButton, held, at);
        } else if (act == kMove) {
            QTest::mouseMove(list.viewport(), at);
        } else {
            QTest::mouseRelease(list.viewport(), qtButton, held, at);
        }
    }
    int Y(int row) override { return Centre(list, row).y(); }
    void TabIn() override {
        before.setFocus(Qt::MouseFocusReason);
        QTest::keyClick(&before, Qt::Key_Tab);
        EXPECT_TRUE(list.hasFocus());
    }
    // A key event for each character, as keys come.
    void Type(const std::string& typed) override {
        for (const char32_t character : QString::fromStdString(typed).toUcs4()) {
            QTest::sendKeyEvent(QTest::Click, &list, Qt::Key_unknown,
                                QString::fromUcs4(&character, 1), Qt::NoModifier);
        }
    }
    void On(Event event, std::function<void(const MouseEvent&)> handler) override {
        QObject::connect(
            &list, event == Event::MouseDown ? &QtListWidget::MouseDown : &QtListWidget::MouseUp,
            std::move(handler));
    }

    QWidget window;
    QLineEdit before{&window};
    QtListWidget list;
};

const test::ListHandMaker kQtLists{
    "Qt", [](ListRows::Style style) { return std::make_unique<QtListHand>(style); }};

using test::ListWidgetContract;
INSTANTIATE_TEST_SUITE_P(Qt, ListWidgetContract, testing::Values(test::ListsOf(kQtLists)),
                         test::ParamName<test::ListMaker>);
using test::ListGestures;
INSTANTIATE_TEST_SUITE_P(Qt, ListGestures, testing::Values(kQtLists),
                         test::ParamName<test::ListHandMaker>);

// The merge list of the main window in small, reordered by the real procedures: what the program
// changes is shown in one batch, right after the release handlers return or else at the next turn
// of the event loop; a press hands over what waits before the user's own pick.
TEST(QtListWidgetTest, TheProgramsChangesAreShownInOneBatch) {
    QtListHand hand(ListRows::Style::SingleSelection);
    test::ListHand& user = hand;
    QtListWidget& list = hand.list;
    for (const char* row : {"A", "B", "C", "D", "E", "F"}) {
        list.AddItem(row);
    }
    MergeOrder order(list);
    hand.On(Event::MouseDown,
            [&](const MouseEvent& event) { order.lstFileSelect_MouseDown(event); });
    hand.On(Event::MouseUp, [&](const MouseEvent& event) { order.lstFileSelect_MouseUp(event); });
    int texts = 0;
    int currents = 0;
    QObject::connect(list.model(), &QAbstractItemModel::dataChanged, [&] { ++texts; });
    QObject::connect(list.selectionModel(), &QItemSelectionModel::currentChanged,
                     [&] { ++currents; });
    user.Mouse(QtListHand::kDown, 5, MouseEvent::LeftButton);
    user.Mouse(QtListHand::kMove, 0, MouseEvent::LeftButton);
    currents = 0;
    user.Mouse(QtListHand::kUp, 0, MouseEvent::LeftButton);
    // Every row passed was one swap of the procedure, yet the view heard of them once.
    EXPECT_EQ(list.List(0), "F");
    EXPECT_EQ(texts, 1);
    EXPECT_LE(currents, 1);  // none when the pointer made the row current already
    EXPECT_EQ(list.currentIndex().row(), 0);

    list.SetList(3, "moved");
    list.SetSelected(3, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(texts, 2);
    EXPECT_EQ(list.currentIndex().row(), 3);
    EXPECT_EQ(list.selectionModel()->selectedIndexes().size(), 1);

    list.SetSelected(4, true);
    user.Mouse(QtListHand::kDown, 1, MouseEvent::LeftButton);
    user.Mouse(QtListHand::kUp, 1, MouseEvent::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.ListIndex(), 1);
}

// The file list on screen, clicked and typed into through Qt's events.
class QtFileListHand : public test::FileListHand {
  public:
    explicit QtFileListHand(const std::string& folder) {
        list.SetPath(folder);
        list.resize(200, 300);
        EXPECT_TRUE(test::ShowActive(list));
    }
    FileList& Files() override { return list; }
    void Click(int row, int keys) override {
        const Qt::KeyboardModifiers held = Held(keys & kCtrl, keys & kShift);
        if (row == kDownKey) {
            QTest::keyClick(&list, Qt::Key_Down, held);
        } else if (row < kDownKey) {
            // Through the window, as keys come, so that Qt knows which are held.
            QTest::keyClick(list.windowHandle(), TypedChar(row), held);
        } else {
            const Qt::MouseButton button = keys & kRight    ? Qt::RightButton
                                           : keys & kMiddle ? Qt::MiddleButton
                                                            : Qt::LeftButton;
            QTest::mouseClick(list.viewport(), button, held, Centre(list, row));
        }
    }
    void OnMouseUp(std::function<void()> handler) override {
        QObject::connect(&list, &QtFileList::MouseUp,
                         [handler = std::move(handler)](const MouseEvent&) { handler(); });
    }

    QtFileList list;
};

using test::RefusedFilesTest;
INSTANTIATE_TEST_SUITE_P(Qt, RefusedFilesTest,
                         testing::Combine(testing::Values(test::FileListHandMaker{
                                              "Qt",
                                              [](const std::string& folder) {
                                                  return std::make_unique<QtFileListHand>(folder);
                                              }}),
                                          testing::ValuesIn(test::RefusedFileGestures())),
                         test::GestureName);

TEST(QtFileListTest, NamesThatAreNotTextKeepTheirExactBytes) {
    TempFolder folder;
    const std::string raw = "r\xe9sum\xe9.txt";  // Latin-1 bytes, not valid UTF-8
    folder.Write(raw, "x");
    QtFileList list;
    list.SetPath(folder.Text());
    EXPECT_EQ(list.List(0), raw);
    EXPECT_TRUE(list.model()->index(0, 0).data().toString().contains(QChar(0xFFFD)));
}

// What Qt itself shows as selected, row by row.
std::vector<bool> QtSelection(const QtFileList& list) {
    std::vector<bool> rows;
    for (int i = 0; i < list.ListCount(); ++i) {
        rows.push_back(list.selectionModel()->isSelected(list.model()->index(i, 0)));
    }
    return rows;
}

// The program's writes reach Qt together, right after the release handlers return or else at the
// next turn of the event loop, as one selection however scattered they are.
TEST(QtFileListTest, WritesReachQtInOneBatchAfterTheReleaseHandlers) {
    TempFolder folder;
    for (int i = 0; i < 300; ++i) {
        folder.Write("f" + std::to_string(i) + ".txt", "");
    }
    QtFileListHand hand(folder.Text());
    QtFileList& list = hand.list;
    hand.OnMouseUp([&list] { list.SetSelected(1, false); });
    hand.Click(0, QtFileListHand::kNone);
    hand.Click(2, QtFileListHand::kShift);
    EXPECT_EQ(QtSelection(list)[1], false);
    EXPECT_EQ(QtSelection(list)[2], true);

    list.selectAll();  // as Ctrl+A
    int batches = 0;
    QObject::connect(list.selectionModel(), &QItemSelectionModel::selectionChanged,
                     [&] { ++batches; });
    std::vector<bool> expected(300, true);
    for (int i = 1; i < 300; i += 2) {
        list.SetSelected(i, false);
        expected[static_cast<std::size_t>(i)] = false;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(QtSelection(list), expected);
    EXPECT_LE(batches, 2);  // cleared, then selected: never one change per row

    list.SetPath(folder.Text());  // shown afresh: nothing selected
    EXPECT_FALSE(list.Selected(0));
    EXPECT_EQ(QtSelection(list), std::vector<bool>(300, false));
}

// The folder list on screen, clicked and typed into through Qt's events.
test::FolderListMade MakeFolderList() {
    using Made = test::FolderListMade;
    auto list = std::make_shared<QtFolderList>();
    auto changes = std::make_shared<int>(0);
    QObject::connect(list.get(), &QtFolderList::Change, [changes] { ++*changes; });
    list->resize(300, 400);
    EXPECT_TRUE(test::ShowActive(*list));
    QtFolderList* l = list.get();
    // The rows above a folder index 0: the open folder and its ancestors.
    const auto above = [l] { return l->count() - l->ListCount(); };
    const auto act = [l, above](Made::Gesture gesture, int index) {
        const QPoint at = index < l->ListCount() ? Centre(*l, above() + index)
                                                 : QPoint(20, l->viewport()->height() - 5);
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Down};
        if (gesture == Made::kDoubleClick) {
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
        } else if (gesture >= Made::kEnter) {
            QTest::keyClick(l, keys[gesture - Made::kEnter],
                            gesture == Made::kEnter ? Qt::NoModifier : Qt::ControlModifier);
        } else {
            QTest::mouseClick(l->viewport(), Qt::LeftButton,
                              Held(gesture == Made::kCtrlClick, false), at);
        }
    };
    const auto drawn = [l, above] {
        const QList<QListWidgetItem*> rows = l->selectedItems();
        return rows.size() == 1 ? l->row(rows.front()) - above() : l->ListCount();
    };
    const auto heights = [l] {
        QtFileList files;
        files.SetPath(l->Path());
        QListWidget pictured;
        const int side = pictured.style()->pixelMetric(QStyle::PM_SmallIconSize);
        pictured.setIconSize(QSize(side, side));
        pictured.addItem(new QListWidgetItem(l->item(0)->icon(), "x"));
        return std::vector<int>{l->sizeHintForRow(0), files.sizeHintForRow(0),
                                pictured.sizeHintForRow(0)};
    };
    return {list,  changes,
            act,   [l](const std::string& typed) { QTest::keyClicks(l, typed.c_str()); },
            drawn, heights};
}

using test::FolderListContract;
INSTANTIATE_TEST_SUITE_P(Qt, FolderListContract,
                         testing::Values(test::FolderListMaker{"Qt", MakeFolderList}),
                         test::ParamName<test::FolderListMaker>);

// The open folder and its ancestors show the open folder's picture, the subfolders the closed one.
TEST(QtFolderListTest, RowsShowPicturesOfOpenAndClosedFolders) {
    TempFolder folder;
    const std::string open = folder.MakeFolder("open");
    folder.MakeFolder("open/sub");
    QtFolderList list;
    list.SetPath(open);
    const int openRows = list.count() - list.ListCount();
    const QImage opened = FolderPicture(true).pixmap(16, 16).toImage();
    for (int row = 0; row < list.count(); ++row) {
        EXPECT_EQ(list.item(row)->icon().pixmap(16, 16).toImage() == opened, row < openRows) << row;
    }
}

// The machine's volumes and one more inside the root, so that the drives nest and a key or a
// notch could move.
class MoreVolumes : public QtDriveList {
  public:
    explicit MoreVolumes(QWidget* parent) : QtDriveList(parent) { FillDrives(); }

  protected:
    std::vector<std::string> ReadDrives() const override {
        std::vector<std::string> volumes = ListDrives();
        volumes.push_back("/media/kelvane-a");
        return volumes;
    }
};

// The list on screen with another control, driven through Qt's events.
class QtDrives : public test::DriveListHand {
  public:
    QtDrives() {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(&list_);
        layout->addWidget(&other_);
        QObject::connect(&list_, &QtDriveList::Change, [this] { ++changes_; });
        EXPECT_TRUE(test::ShowActive(window_));
    }
    DriveList& Drives() override { return list_; }
    int Changes() const override { return changes_; }
    std::vector<std::string> Shown() const override {
        std::vector<std::string> rows;
        for (int i = 0; i < list_.count(); ++i) {
            rows.push_back(list_.itemText(i).toStdString());
        }
        return rows;
    }
    int ShownChosen() const override { return list_.currentIndex(); }
    void KeyDown() override { QTest::keyClick(&list_, Qt::Key_Down); }
    void PickChosenAgain() override {
        list_.showPopup();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list_.view()->window()));
        QTest::keyClick(list_.view(), Qt::Key_Return);
    }
    // With the focus on another control, then on the list.
    void Wheel() override {
        for (QWidget* focused : {static_cast<QWidget*>(&other_), static_cast<QWidget*>(&list_)}) {
            focused->setFocus(Qt::OtherFocusReason);
            for (const int notch : {-120, 120, -120}) {
                const QPointF centre = list_.rect().center();
                QWheelEvent wheel(centre, list_.mapToGlobal(centre), QPoint(), QPoint(0, notch),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(&list_, &wheel);
            }
        }
    }

  private:
    QWidget window_;
    MoreVolumes list_{&window_};
    QPushButton other_{"other", &window_};
    int changes_ = 0;
};

using test::DriveListContract;
using test::DriveListHandMaker;
INSTANTIATE_TEST_SUITE_P(Qt, DriveListContract,
                         testing::Values(DriveListHandMaker{
                             "Qt", [] { return std::make_unique<QtDrives>(); }}),
                         test::ParamName<DriveListHandMaker>);

}  // namespace
}  // namespace kelvane::qt
