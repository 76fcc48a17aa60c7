// The Qt toolkit makes the application object itself, so that nothing of the program's command
// line reaches Qt: options such as -reverse or -platform have no effect.
#include "widgets/qt/qttoolkit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>

namespace {

TEST(QtToolkit, GivesTheApplicationNoCommandLine) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr) << "the toolkit is to make it";
    kelvane::qt::QtToolkit toolkit;
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(QCoreApplication::arguments(), QStringList{"kelvane-merger"});
    EXPECT_FALSE(QApplication::isRightToLeft());
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

}  // namespace
