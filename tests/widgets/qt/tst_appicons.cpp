// The pictures built into the program: every rendered size of the application icon, and the
// two arrows the right way up.
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

}  // namespace
