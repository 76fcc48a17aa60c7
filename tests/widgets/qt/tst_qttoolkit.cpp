// The Qt toolkit makes the application object itself, so that nothing of the program's command
// line reaches Qt: options such as -reverse or -platform have no effect. It names the program's
// desktop entry, in which Wayland desktops find the window's icon.
#include "widgets/qt/qttoolkit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

TEST(QtToolkit, MakesTheApplicationObject) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr) << "the toolkit is to make it";
    kelvane::qt::QtToolkit toolkit;
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(QCoreApplication::arguments(), QStringList{"kelvane-merger"});
    EXPECT_FALSE(QApplication::isRightToLeft());
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    const QString entry = QGuiApplication::desktopFileName() + ".desktop";
    EXPECT_TRUE(QFileInfo::exists(KELVANE_DATA_DIR "/" + entry))
        << "no desktop entry " << entry.toStdString() << " among the installed ones";
}

}  // namespace
