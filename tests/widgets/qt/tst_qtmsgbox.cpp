#include "widgets/qt/qtmsgbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <iterator>
#include <memory>
#include <string>

#include "listcontract.h"
#include "modalboxes.h"
#include "qttestapp.h"

namespace kelvane::qt {
namespace {

// The real box of a window on screen, shown modally and answered through its own buttons and keys.
class QtBox : public test::MsgBoxHand {
  public:
    QtBox() { EXPECT_TRUE(test::ShowActive(owner_)); }
    Shown ShowAndAnswer(const std::string& text, MsgBox::Style style, const std::string& title,
                        Answer answer) override {
        using Answerer = test::ModalBoxAnswerer;
        const Answerer::Answer answers[] = {
            Answerer::Press(QMessageBox::Yes), Answerer::Press(QMessageBox::No),
            Answerer::Press(QMessageBox::Ok),  Answerer::Key(Qt::Key_Return),
            Answerer::Key(Qt::Key_Escape),     Answerer::CloseBox()};
        Shown shown;
        Answerer user([&](QMessageBox& box) {
            shown.title = box.windowTitle().toStdString();
            shown.text = box.text().toStdString();
            const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                               QMessageBox::Question, QMessageBox::Critical};
            shown.icon = static_cast<Icon>(
                std::find(std::begin(icons), std::end(icons), box.icon()) - std::begin(icons));
            EXPECT_EQ(box.textFormat(), Qt::PlainText);  // the text as it is, not as markup
            answers[answer](box);
        });
        shown.returned = box_.Show(text, style, title);
        EXPECT_EQ(user.texts.size(), 1u);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return shown;
    }

  private:
    QWidget owner_;
    QtMsgBox box_{&owner_};
};

using test::MsgBoxContract;
INSTANTIATE_TEST_SUITE_P(Qt, MsgBoxContract,
                         testing::Values(test::MsgBoxHandMaker{
                             "Qt", [] { return std::make_unique<QtBox>(); }}),
                         test::MakerName<test::MsgBoxHandMaker>);

}  // namespace
}  // namespace kelvane::qt
