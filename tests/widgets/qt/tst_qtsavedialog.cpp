#include "widgets/qt/qtsavedialog.h"

#include <gtest/gtest.h>

namespace kelvane::qt {
namespace {

struct FilterCase {
    const char* given;
    const char* expected;
};

class FilterConversionTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterConversionTest, BecomesQtsNameFilters) {
    EXPECT_EQ(QtSaveDialog::ToQtFilter(GetParam().given).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FilterConversionTest,
    ::testing::Values(FilterCase{"Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*",
                                 "Text files (*.txt) (*.txt *.sql);;All Files(*.*) (*.*)"},
                      FilterCase{"Text|*.txt", "Text (*.txt)"}, FilterCase{"", ""},
                      FilterCase{"Text|*.txt|Orphan", "Text (*.txt)"},
                      FilterCase{"Odd|*.a; ;*.b;|Empty|", "Odd (*.a *.b)"}));

TEST(QtSaveDialogTest, KeepsItsSettings) {
    QtSaveDialog dialog;
    dialog.SetFilter("Text|*.txt");
    dialog.SetDialogTitle("Save Target File As");
    dialog.SetFileName("/tmp/out.txt");
    EXPECT_EQ(dialog.Filter(), "Text|*.txt");
    EXPECT_EQ(dialog.DialogTitle(), "Save Target File As");
    EXPECT_EQ(dialog.FileName(), "/tmp/out.txt");
}

}  // namespace
}  // namespace kelvane::qt
