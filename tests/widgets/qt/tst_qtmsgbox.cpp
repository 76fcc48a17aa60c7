#include "widgets/qt/qtmsgbox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>

#include "qttestapp.h"

namespace kelvane::qt {
namespace {

struct BoxCase {
    MsgBox::Style style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class MsgBoxStyleTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MsgBoxStyleTest, ShowsItsIconAndButtons) {
    const auto box = QtMsgBox::Build(nullptr, "Some text", GetParam().style, "Kelvane Message");
    EXPECT_EQ(box->icon(), GetParam().icon);
    EXPECT_EQ(box->standardButtons(), GetParam().buttons);
    EXPECT_EQ(box->windowTitle().toStdString(), "Kelvane Message");
    EXPECT_EQ(box->text().toStdString(), "Some text");
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MsgBoxStyleTest,
    ::testing::Values(
        BoxCase{MsgBox::Style::Information, QMessageBox::Information, QMessageBox::Ok},
        BoxCase{MsgBox::Style::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
        BoxCase{MsgBox::Style::Critical, QMessageBox::Critical, QMessageBox::Ok},
        BoxCase{MsgBox::Style::Plain, QMessageBox::NoIcon, QMessageBox::Ok}));

TEST(QtMsgBoxTest, ABoxWithoutTitleShowsTheApplicationTitle) {
    const auto box = QtMsgBox::Build(nullptr, "x", MsgBox::Style::Plain, "");
    EXPECT_EQ(box->windowTitle().toStdString(), "Kelvane Text File Merger");
}

TEST(QtMsgBoxTest, TextIsShownAsItIsNotAsMarkup) {
    const auto box =
        QtMsgBox::Build(nullptr, "<b>a.txt</b> caf\xc3\xa9", MsgBox::Style::Critical, "");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QString::fromUtf8("<b>a.txt</b> caf\xc3\xa9"));
}

}  // namespace
}  // namespace kelvane::qt
