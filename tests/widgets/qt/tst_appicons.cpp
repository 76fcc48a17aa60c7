// The pictures built into the program: every rendered size of the application icon, the two
// arrows the right way up, and folders open and closed told apart by their shapes.
#include "widgets/qt/appicons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <QSize>
#include <algorithm>

namespace {

TEST(AppIcons, TheApplicationIconHasEveryRenderedSize) {
    QList<QSize> sizes = AppIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    const QList<QSize> expected{{16, 16}, {22, 22}, {24, 24},   {32, 32},
                                {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(sizes, expected);
}

TEST(AppIcons, TheArrowsPointUpAndDown) {
    const QImage up = UpArrowIcon().pixmap(32, 32).toImage();
    const QImage down = DownArrowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(up.size(), QSize(32, 32));
    ASSERT_EQ(down.size(), QSize(32, 32));
    // Beside the shaft, the head is above the middle of an up arrow and below it of a down one.
    EXPECT_GT(up.pixelColor(8, 14).alpha(), 200);
    EXPECT_EQ(up.pixelColor(8, 17).alpha(), 0);
    EXPECT_GT(down.pixelColor(8, 17).alpha(), 200);
    EXPECT_EQ(down.pixelColor(8, 14).alpha(), 0);
}

// Not a shade apart but another shape, as in the classic directory lists.
TEST(AppIcons, TheOpenAndTheClosedFolderDifferInShape) {
    const QImage open = FolderPicture(true).pixmap(16, 16).toImage();
    const QImage closed = FolderPicture(false).pixmap(16, 16).toImage();
    int either = 0;
    int one = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inOpen = open.pixelColor(x, y).alpha() > 128;
            const bool inClosed = closed.pixelColor(x, y).alpha() > 128;
            either += inOpen || inClosed ? 1 : 0;
            one += inOpen != inClosed ? 1 : 0;
        }
    }
    EXPECT_GT(either, 64) << "a picture fills a good part of its square";
    EXPECT_GE(one * 20, either) << "the shapes differ in at least a twentieth of their pixels";
}

}  // namespace
