#include "folderrows.h"

#include <algorithm>
#include <exception>

#include "widgets/folderpath.h"
#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

namespace kelvane {

void FolderRows::SetPath(const std::string& path) {
    const std::string folder = NormalFolder(path);
    // Read first: a folder that can't be listed raises WidgetError and changes nothing.
    std::vector<std::string> subfolders = ReadFolder(folder).subfolders;
    std::sort(subfolders.begin(), subfolders.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });

    std::vector<Row> rows;
    for (FolderStep& step : FolderChain(folder)) {
        const int depth = static_cast<int>(rows.size());
        rows.push_back({std::move(step.path), std::move(step.name), depth});
    }
    openRow_ = static_cast<int>(rows.size()) - 1;
    for (std::string& name : subfolders) {
        rows.push_back({InFolder(folder, name), std::move(name), openRow_ + 1});
    }
    rows_ = std::move(rows);
    const bool moved = folder != path_;
    path_ = folder;
    ShowRows();
    Highlight(openRow_);
    if (moved) {
        RaiseChange();
    }
}

int FolderRows::ListCount() const {
    return RowCount() - openRow_ - 1;
}

int FolderRows::RowOf(int index) const {
    const int row = openRow_ + 1 + index;
    if (openRow_ < 0 || row < 0 || row >= RowCount()) {
        throw WidgetError("folder list index " + std::to_string(index) + " out of range");
    }
    return row;
}

int FolderRows::ListIndex() const {
    const int row = HighlightedRow();
    return row < 0 ? -1 : row - openRow_ - 1;
}

void FolderRows::SetListIndex(int index) {
    Highlight(RowOf(index));
}

std::string FolderRows::List(int index) const {
    return rows_[static_cast<std::size_t>(RowOf(index))].path;
}

void FolderRows::KeepHighlight(int drawn) {
    const int row = HighlightedRow() >= 0 ? HighlightedRow() : openRow_;
    if (row >= 0 && row < RowCount() && drawn != row) {
        Highlight(row);
    }
}

void FolderRows::OpenRow(int row) {
    if (row < 0 || row >= RowCount()) {
        return;
    }
    const std::string folder = rows_[static_cast<std::size_t>(row)].path;
    try {
        SetPath(folder);
    } catch (const std::exception&) {
        // A folder that can't be read stays closed; the highlight stays on it.
    }
}

}  // namespace kelvane
