#include "widgets/qt/qtmsgbox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <ostream>
#include <string>

#include "modalboxes.h"
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

struct AnswerCase {
    const char* name;
    MsgBox::Style style;
    test::ModalBoxAnswerer::Answer answer;
    MsgBox::Button returned;
};

void PrintTo(const AnswerCase& answer, std::ostream* out) {
    *out << answer.name;
}

class MsgBoxAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

// The real box, shown modally and answered as a user does.
TEST_P(MsgBoxAnswerTest, ReturnsTheButtonTheUserMeant) {
    QWidget owner;
    ASSERT_TRUE(test::ShowActive(owner));
    QtMsgBox msgBox(&owner);
    test::ModalBoxAnswerer user(GetParam().answer);
    EXPECT_EQ(msgBox.Show("Continue?", GetParam().style, "Kelvane Message"), GetParam().returned);
    ASSERT_EQ(user.texts.size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

using Answerer = test::ModalBoxAnswerer;

INSTANTIATE_TEST_SUITE_P(
    Answers, MsgBoxAnswerTest,
    ::testing::Values(AnswerCase{"QuestionYes", MsgBox::Style::Question,
                                 Answerer::Press(QMessageBox::Yes), MsgBox::Button::Yes},
                      AnswerCase{"QuestionNo", MsgBox::Style::Question,
                                 Answerer::Press(QMessageBox::No), MsgBox::Button::No},
                      AnswerCase{"QuestionEnter", MsgBox::Style::Question,
                                 Answerer::Key(Qt::Key_Return), MsgBox::Button::Yes},
                      AnswerCase{"QuestionEscape", MsgBox::Style::Question,
                                 Answerer::Key(Qt::Key_Escape), MsgBox::Button::No},
                      AnswerCase{"QuestionCloseBox", MsgBox::Style::Question, Answerer::CloseBox(),
                                 MsgBox::Button::No},
                      AnswerCase{"InformationOk", MsgBox::Style::Information,
                                 Answerer::Press(QMessageBox::Ok), MsgBox::Button::Ok},
                      AnswerCase{"InformationEscape", MsgBox::Style::Information,
                                 Answerer::Key(Qt::Key_Escape), MsgBox::Button::Ok},
                      AnswerCase{"CriticalCloseBox", MsgBox::Style::Critical, Answerer::CloseBox(),
                                 MsgBox::Button::Ok}),
    [](const ::testing::TestParamInfo<AnswerCase>& answer) {
        return std::string(answer.param.name);
    });

}  // namespace
}  // namespace kelvane::qt
