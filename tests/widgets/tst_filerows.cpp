// The file list's contract as every toolkit's file list keeps it: here over a list that only
// keeps what it is told to show and select, and counts the calls a toolkit would make.
#include "widgets/filerows.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tempfolder.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

class ShownFiles : public FileRows {
  public:
    std::vector<std::string> names;
    std::vector<char> selection;  // as the toolkit shows it
    int reads = 0;
    int writes = 0;
    int queued = 0;

  protected:
    int RowCount() const override { return static_cast<int>(names.size()); }
    const std::string& RowText(int row) const override { return names.at(row); }
    void ShowNames(std::vector<std::string> shown) override {
        names = std::move(shown);
        selection.assign(names.size(), 0);
    }
    std::vector<char> ReadSelection() const override {
        ++const_cast<ShownFiles*>(this)->reads;
        return selection;
    }
    void WriteSelection(const std::vector<char>& flags) override {
        ++writes;
        selection = flags;
    }
    bool QueueFlush() override {
        ++queued;
        return true;
    }
};

// A folder that can't be listed leaves the list as it was.
TEST(FileRows, ListsTheFilesOfAFolderInNaturalOrderWithoutItsFolders) {
    test::TempFolder folder;
    for (const char* name : {"part10.txt", "part2.txt", "Part1.txt", "b.sql"}) {
        folder.Write(name, "x");
    }
    folder.MakeFolder("sub");
    ShownFiles list;
    list.SetPath(folder.Text());
    list.SetSelected(3, true);
    list.FlushSelection();
    EXPECT_THROW(list.SetPath(folder.At("missing")), WidgetError);
    EXPECT_EQ(list.Path(), folder.Text());
    EXPECT_EQ(list.names,
              (std::vector<std::string>{"b.sql", "Part1.txt", "part2.txt", "part10.txt"}));
    EXPECT_EQ(list.List(3), "part10.txt");
    EXPECT_TRUE(list.Selected(3));
    for (const int index : {-1, 4}) {
        EXPECT_THROW(list.List(index), WidgetError);
        EXPECT_THROW(list.Selected(index), WidgetError);
        EXPECT_THROW(list.SetSelected(index, true), WidgetError);
    }
}

TEST(FileRows, ReadsTheSelectionOnceAndHandsTheWritesBackTogether) {
    ShownFiles list;
    list.names = {"a", "b", "c", "d"};
    list.selection = {1, 1, 0, 1};
    const struct {
        const char* what;
        const char* steps;  // rN reads row N, wN+ and wN- write it, f flushes
        std::vector<char> shown;
        int reads;
        int writes;
        int queued;
    } steps[] = {
        {"reads take one copy", "r0 r3", {1, 1, 0, 1}, 1, 0, 0},
        {"writes queue one flush", "w1- w2+ w3-", {1, 1, 0, 1}, 1, 0, 1},
        {"the flush hands them back at once", "f", {1, 0, 1, 0}, 1, 1, 1},
        {"a flush with nothing written does nothing", "f", {1, 0, 1, 0}, 1, 1, 1},
        {"writing what is there writes nothing", "w0+", {1, 0, 1, 0}, 1, 1, 1},
        {"a new write queues again", "w0-", {1, 0, 1, 0}, 1, 1, 2},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        std::istringstream in(s.steps);
        for (std::string step; in >> step;) {
            if (step[0] == 'f') {
                list.FlushSelection();
            } else if (step[0] == 'r') {
                list.Selected(step[1] - '0');
            } else {
                list.SetSelected(step[1] - '0', step[2] == '+');
            }
        }
        EXPECT_EQ(list.selection, s.shown);
        EXPECT_EQ(list.reads, s.reads);
        EXPECT_EQ(list.writes, s.writes);
        EXPECT_EQ(list.queued, s.queued);
    }
    EXPECT_FALSE(list.Selected(0)) << "reads see the writes not yet handed back";
}

}  // namespace
}  // namespace kelvane
