#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "fakesavedialog.h"
#include "faketextbox.h"
#include "faultyfiles.h"
#include "pages/merge/mergepage.h"
#include "tempfolder.h"

namespace kelvane::test {

inline const std::string kNoTarget = "Please key in a valid target file";
inline const std::string kTargetIsSource =
    "The target file is one of the files to merge. Please give another target file.";
inline const std::string kReplace = "The file already exists!. Do you want to replace this file?";
inline const std::string kFailed =
    "Some error occurred in the merging.  If this is a bug please report to Dunmarrow.";

// Merge runs over real files: sources in `src`, targets in `out`, the folder list on `src`,
// failures injected through `files`. Open to the cases of the tables, which arrange runs.
class MergePageTest : public testing::Test {
  public:
    void SetUp() override { folders.SetPath(src.Text()); }

    void Rows(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            rows.AddItem(name);
        }
    }

    // A run started by the Merge button.
    void Merge(std::size_t bufferSize = MergeJob::kDefaultBufferSize,
               std::size_t buffersBehind = MergeJob::kDefaultBuffersBehind) {
        MergePage page(target, folders, rows, dialog, msgBox, files, bufferSize, buffersBehind);
        page.cmdMerge_Click();
    }

    // The texts of the boxes shown, each checked for its title.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& box : msgBox.shown) {
            EXPECT_EQ(box.title, "Kelvane Message");
            texts.push_back(box.text);
        }
        return texts;
    }

    // What the file at the path holds; none when no file is there.
    static std::optional<std::string> Held(const std::string& path) {
        std::ifstream in(Utf8Path(path), std::ios::binary);
        if (!std::filesystem::is_regular_file(Utf8Path(path)) || !in) {
            return std::nullopt;
        }
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempFolder src;
    TempFolder out;
    FakeFolderList folders;
    FakeListWidget rows;
    FakeTextBox target;
    FakeSaveDialog dialog;
    FakeMsgBox msgBox;
    FaultyFiles files;
};

}  // namespace kelvane::test
