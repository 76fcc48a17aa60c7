// The rows of a directory list, as every toolkit's folder list draws them: here with a list that
// only remembers what it was told to draw.
#include "widgets/folderrows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tempfolder.h"
#include "widgets/folderpath.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class DrawnRows : public FolderRows {
  public:
    using FolderRows::KeepHighlight;

    int shows = 0;
    int changes = 0;
    int highlighted = -1;
    int drawn = -1;  // the row drawn highlighted

  protected:
    void ShowRows() override { ++shows; }
    int HighlightedRow() const override { return highlighted; }
    void Highlight(int row) override { highlighted = drawn = row; }
    void RaiseChange() override { ++changes; }
};

class FolderRowsTest : public testing::Test {
  protected:
    void SetUp() override {
        top = folder.MakeFolder("top");
        open = InFolder(top, "open");
        fs::create_directories(InFolder(open, "sub10"));
        fs::create_directories(InFolder(open, "sub2"));
        std::ofstream(InFolder(open, "file.txt")) << "x";
        rows.SetPath(open);
    }

    test::TempFolder folder;
    std::string top;
    std::string open;
    DrawnRows rows;
};

TEST_F(FolderRowsTest, NumbersTheOpenFolderItsAncestorsAndItsSubfolders) {
    EXPECT_EQ(rows.List(-2), top);
    ASSERT_EQ(rows.ListCount(), 2);  // the file is not shown
    EXPECT_EQ(rows.List(0), InFolder(open, "sub2"));
    EXPECT_EQ(rows.List(1), InFolder(open, "sub10"));

    // The top folder is the first row, as entry -(ancestors + 1).
    const int ancestors = rows.RowCount() - rows.ListCount() - 1;
    EXPECT_EQ(rows.List(-ancestors - 1), fs::path(open).root_path().string());
    EXPECT_THROW(rows.List(-ancestors - 2), WidgetError);

    // Rows as drawn: the top folder by its full path, each other by its name, one step deeper.
    struct Row {
        std::string name;
        int depth;
        bool open;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> drawn;
    for (int row = rows.RowCount() - 4; row < rows.RowCount(); ++row) {
        drawn.push_back({rows.RowName(row), rows.RowDepth(row), rows.RowOpen(row)});
    }
    EXPECT_EQ(drawn, (std::vector<Row>{{"top", ancestors - 1, true},
                                       {"open", ancestors, true},
                                       {"sub2", ancestors + 1, false},
                                       {"sub10", ancestors + 1, false}}));
    EXPECT_EQ(rows.RowName(0), rows.List(-ancestors - 1));
    EXPECT_EQ(rows.RowDepth(0), 0);
}

TEST_F(FolderRowsTest, OpensAFolderByItsNormalPath) {
    const std::string separator(1, fs::path::preferred_separator);
    const std::string root = fs::path(open).root_path().string();
    const struct {
        std::string given;
        std::string opened;
    } cases[] = {
        {InFolder(InFolder(open, "sub2"), "..") + separator, open},
        {open + separator, open},
        {InFolder(open, "."), open},
        {root, root},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        rows.SetPath(c.given);
        EXPECT_EQ(rows.Path(), c.opened);
    }
    const fs::path current = fs::current_path();
    fs::current_path(top);
    rows.SetPath("open");
    fs::current_path(current);
    EXPECT_EQ(rows.Path(), open) << "a relative path is taken from the current folder";
}

// A row that can't be opened changes nothing; opening the open folder again shows it afresh, as
// it is now.
TEST_F(FolderRowsTest, OnlyOpeningAnotherFolderIsAChange) {
    const int first = rows.RowCount() - rows.ListCount();  // the first subfolder's row
    rows.SetListIndex(1);
    fs::remove(InFolder(open, "sub10"));  // while the list still shows it
    fs::create_directory(InFolder(open, "sub3"));
    const struct {
        const char* what;
        int opened;  // the row opened
        std::string path;
        int index;  // highlighted afterwards
        int count;
        int changes;
        int shows;
    } steps[] = {
        {"a subfolder that went away stays closed", first + 1, open, 1, 2, 1, 1},
        {"a row that is none", 100, open, 1, 2, 1, 1},
        {"the open folder again is shown afresh", first - 1, open, -1, 2, 1, 2},
        {"sub3 opens", first + 1, InFolder(open, "sub3"), -1, 0, 2, 3},
        {"its parent opens", first - 1, open, -1, 2, 3, 4},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        rows.OpenRow(step.opened);
        EXPECT_EQ(rows.Path(), step.path);
        EXPECT_EQ(rows.ListIndex(), step.index);
        EXPECT_EQ(rows.ListCount(), step.count);
        EXPECT_EQ(rows.changes, step.changes);
        EXPECT_EQ(rows.shows, step.shows);
    }
    EXPECT_EQ(rows.List(1), InFolder(open, "sub3"));
}

// After a gesture the row drawn highlighted is the highlighted one, or the open folder when none
// is: where the toolkit drew another or none, the highlight is drawn afresh.
TEST_F(FolderRowsTest, TheHighlightedRowIsTheOneDrawnHighlighted) {
    const int openRow = rows.RowCount() - rows.ListCount() - 1;
    const struct {
        int highlighted;  // as the gesture left them; -1 for none
        int drawn;
        int after;
    } gestures[] = {
        {openRow + 2, openRow + 2, openRow + 2},
        {openRow + 2, -1, openRow + 2},
        {openRow + 1, openRow + 2, openRow + 1},
        {-1, -1, openRow},
    };
    for (const auto& g : gestures) {
        rows.highlighted = g.highlighted;
        rows.drawn = g.drawn;
        rows.KeepHighlight(g.drawn);
        EXPECT_EQ(rows.highlighted, g.after) << g.highlighted << " " << g.drawn;
        EXPECT_EQ(rows.drawn, g.after) << g.highlighted << " " << g.drawn;
    }
}

}  // namespace
}  // namespace kelvane
