#include "widgets/qt/qtdrivelist.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "listcontract.h"
#include "qttestapp.h"
#include "widgets/drives.h"
#include "widgets/folderpath.h"

namespace kelvane::qt {
namespace {

TEST(QtDriveListTest, ListsTheRootFirstAndNoSystemMounts) {
    const std::vector<std::string> volumes = ListDrives();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front(), "/");
    for (const std::string& volume : volumes) {
        EXPECT_NE(volume.rfind("/proc", 0), 0u) << volume;
        EXPECT_NE(volume.rfind("/sys", 0), 0u) << volume;
        EXPECT_NE(volume.rfind("/dev", 0), 0u) << volume;
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
        new QVBoxLayout(&window_);
        window_.layout()->addWidget(list_);
        window_.layout()->addWidget(other_);
        QObject::connect(list_, &QtDriveList::Change, [this] { ++changes_; });
        EXPECT_TRUE(test::ShowActive(window_));
    }
    DriveList& Drives() override { return *list_; }
    int Changes() const override { return changes_; }
    std::vector<std::string> Shown() const override {
        std::vector<std::string> rows;
        for (int i = 0; i < list_->count(); ++i) {
            rows.push_back(list_->itemText(i).toStdString());
        }
        return rows;
    }
    int ShownChosen() const override { return list_->currentIndex(); }
    void KeyDown() override { QTest::keyClick(list_, Qt::Key_Down); }
    void PickChosenAgain() override {
        list_->showPopup();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list_->view()->window()));
        QTest::keyClick(list_->view(), Qt::Key_Return);
    }
    // With the focus on another control, then on the list.
    void Wheel() override {
        for (QWidget* focused : {static_cast<QWidget*>(other_), static_cast<QWidget*>(list_)}) {
            focused->setFocus(Qt::OtherFocusReason);
            for (const int notch : {-120, 120, -120}) {
                const QPointF centre = list_->rect().center();
                QWheelEvent wheel(centre, list_->mapToGlobal(centre), QPoint(), QPoint(0, notch),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(list_, &wheel);
            }
        }
    }

  private:
    QWidget window_;
    MoreVolumes* list_ = new MoreVolumes(&window_);
    QPushButton* other_ = new QPushButton("other", &window_);
    int changes_ = 0;
};

using test::DriveListContract;
using test::DriveListHandMaker;
INSTANTIATE_TEST_SUITE_P(Qt, DriveListContract,
                         testing::Values(DriveListHandMaker{
                             "Qt", [] { return std::make_unique<QtDrives>(); }}),
                         test::MakerName<DriveListHandMaker>);

}  // namespace
}  // namespace kelvane::qt
