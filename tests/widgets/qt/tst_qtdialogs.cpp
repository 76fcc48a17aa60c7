// The Qt dialogs: the real Save dialog and message box run the shared suites, answered through
// their own widgets while their modal loops run; and what Qt adds: its filter strings, and the
// user's configuration left alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "listcontract.h"
#include "modalboxes.h"
#include "qttestapp.h"
#include "widgets/qt/qtmsgbox.h"
#include "widgets/qt/qtsavedialog.h"
#include "widgets/qt/qttoolkit.h"

namespace kelvane::qt {
namespace {

// Shows the real dialog and, once its modal loop runs, hands it to `act`, the user's part.
void ShowAndAct(QtSaveDialog& dialog, const std::function<void(QFileDialog&)>& act) {
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* open = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (open == nullptr || !open->isVisible()) {
            return;
        }
        user.stop();
        act(*open);
    });
    user.start(10);
    dialog.ShowSave();
}

// The real dialog, answered through its own widgets while its modal loop runs.
class QtSave : public test::SaveDialogHand {
  public:
    SaveDialog& Dialog() override { return dialog_; }
    Shown ShowAndAnswer(const std::string& file) override {
        Shown shown;
        ShowAndAct(dialog_, [&](QFileDialog& open) {
            shown.title = open.windowTitle().toStdString();
            auto* types = open.findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; i < types->count(); ++i) {
                shown.types.push_back(types->itemText(i).toStdString());
            }
            auto* name = open.findChild<QLineEdit*>("fileNameEdit");
            shown.name = name->text().toStdString();
            if (file.empty()) {
                QTest::keyClick(&open, Qt::Key_Escape);
                return;
            }
            name->setText(QString::fromStdString(file));
            QTest::keyClick(name, Qt::Key_Return);
        });
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a question of its own";
        return shown;
    }

  private:
    QtToolkit toolkit_;
    QtSaveDialog dialog_;
};

using test::SaveDialogContract;
INSTANTIATE_TEST_SUITE_P(Qt, SaveDialogContract,
                         testing::Values(test::SaveDialogHandMaker{
                             "Qt", [] { return std::make_unique<QtSave>(); }}),
                         test::ParamName<test::SaveDialogHandMaker>);

// The patterns of an entry as Qt reads them; the descriptions the dialog shows are the
// contract's.
TEST(QtSaveDialogTest, FilterBecomesQtsNameFilters) {
    EXPECT_EQ(
        QtSaveDialog::ToQtFilter("Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*").toStdString(),
        "Text files (*.txt) (*.txt *.sql);;All Files(*.*) (*.*)");
    EXPECT_EQ(QtSaveDialog::ToQtFilter("Odd|*.a; ;*.b;|Empty|").toStdString(), "Odd (*.a *.b)");
}

// The Save dialog, shown for real by the program's toolkit, writes nothing to the user's
// configuration and reads none of it: a file list sorted the other way by an earlier program
// opens sorted as at first. Qt's toolkit would read and write "QtProject" settings there.
TEST(QtSaveDialogTest, ShownForRealItNeitherReadsNorWritesTheUsersConfiguration) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString settings = QSettings(QSettings::UserScope, "QtProject").fileName();
    ASSERT_EQ(settings, config.path() + "/QtProject.conf")
        << "Qt's settings were settled before the test could move them";
    {
        // An earlier program: its Save dialog left the file list sorted by name, descending.
        QFileDialog earlier(nullptr, QString(), config.path());
        earlier.setOption(QFileDialog::DontUseNativeDialog);
        earlier.findChild<QTreeView*>("treeView")->sortByColumn(0, Qt::DescendingOrder);
    }
    const auto saved = [&settings] {
        QFile file(settings);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = saved();
    ASSERT_FALSE(before.isEmpty());

    QtToolkit toolkit;
    QtSaveDialog dialog;
    dialog.SetFileName(QFile::encodeName(config.path() + "/merged.txt").toStdString());
    Qt::SortOrder opened = Qt::DescendingOrder;
    Qt::SortOrder left = opened;
    ShowAndAct(dialog, [&](QFileDialog& shown) {
        // The user sorts by name the other way, then cancels.
        QHeaderView* header = shown.findChild<QTreeView*>("treeView")->header();
        opened = header->sortIndicatorOrder();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
        left = header->sortIndicatorOrder();
        QTest::keyClick(&shown, Qt::Key_Escape);
    });

    EXPECT_EQ(opened, Qt::AscendingOrder) << "the earlier program's sort order was read back";
    EXPECT_NE(left, opened) << "the header click didn't reach the dialog";
    EXPECT_EQ(saved(), before) << "the dialog wrote to the user's configuration";
}

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
                         test::ParamName<test::MsgBoxHandMaker>);

}  // namespace
}  // namespace kelvane::qt
