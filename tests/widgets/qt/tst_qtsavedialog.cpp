#include "widgets/qt/qtsavedialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "listcontract.h"
#include "widgets/qt/qttoolkit.h"

namespace kelvane::qt {
namespace {

// Every file below a folder, with its content.
std::map<std::string, std::string> FilesBelow(const QString& folder) {
    std::map<std::string, std::string> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[file.fileName().toStdString()] =
            file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
    }
    return files;
}

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

// The patterns of an entry as Qt reads them; the descriptions the dialog shows are the
// contract's.
TEST(QtSaveDialogTest, FilterBecomesQtsNameFilters) {
    EXPECT_EQ(
        QtSaveDialog::ToQtFilter("Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*").toStdString(),
        "Text files (*.txt) (*.txt *.sql);;All Files(*.*) (*.*)");
    EXPECT_EQ(QtSaveDialog::ToQtFilter("Odd|*.a; ;*.b;|Empty|").toStdString(), "Odd (*.a *.b)");
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
                         test::MakerName<test::SaveDialogHandMaker>);

// The Save dialog, shown for real by the program's toolkit, writes nothing to the user's
// configuration and reads none of it: a file list sorted the other way by an earlier program
// opens sorted as at first. Qt's toolkit would read and write "QtProject" settings there.
TEST(QtSaveDialogTest, ShownForRealItNeitherReadsNorWritesTheUsersConfiguration) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    ASSERT_EQ(QSettings(QSettings::UserScope, "QtProject").fileName(),
              config.path() + "/QtProject.conf")
        << "Qt's settings were settled before the test could move them";
    {
        // An earlier program: its Save dialog left the file list sorted by name, descending.
        QFileDialog earlier(nullptr, QString(), config.path());
        earlier.setOption(QFileDialog::DontUseNativeDialog);
        earlier.findChild<QTreeView*>("treeView")->sortByColumn(0, Qt::DescendingOrder);
    }
    const std::map<std::string, std::string> before = FilesBelow(config.path());
    ASSERT_FALSE(before.empty());

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
    EXPECT_EQ(FilesBelow(config.path()), before) << "the dialog wrote to the user's configuration";
    EXPECT_EQ(QFile::decodeName(dialog.FileName().c_str()), config.path() + "/merged.txt");
}

}  // namespace
}  // namespace kelvane::qt
