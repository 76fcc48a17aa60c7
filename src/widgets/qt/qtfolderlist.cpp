#include "qtfolderlist.h"

#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <filesystem>

#include "localtext.h"
#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {

QtFolderList::QtFolderList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenRow(row(item)); });
}

std::string QtFolderList::NormalPath(const std::string& path) {
    namespace fs = std::filesystem;
    if (path.empty()) {
        throw WidgetError("no folder given");
    }
    fs::path full(path);
    if (full.is_relative()) {
        full = fs::current_path() / full;
    }
    full = full.lexically_normal();
    if (!full.has_filename() && full != full.root_path()) {
        full = full.parent_path();
    }
    return full.string();
}

void QtFolderList::SetPath(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string folder = NormalPath(path);
    // Read first: a folder that can't be listed raises WidgetError and changes nothing.
    std::vector<std::string> subfolders = ReadFolder(folder).subfolders;
    std::sort(subfolders.begin(), subfolders.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });

    std::vector<std::string> chain;  // the root first, the open folder last
    for (fs::path step(folder);; step = step.parent_path()) {
        chain.push_back(step.string());
        if (step == step.parent_path() || !step.has_relative_path()) {
            break;
        }
    }
    std::reverse(chain.begin(), chain.end());

    clear();
    paths_.clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    constexpr int kIndent = 2;
    int depth = 0;
    for (const std::string& step : chain) {
        const std::string name = depth == 0 ? step : fs::path(step).filename().string();
        addItem(new QListWidgetItem(openIcon, QString(depth * kIndent, u' ') + FromLocal(name)));
        paths_.push_back(step);
        ++depth;
    }
    openRow_ = static_cast<int>(chain.size()) - 1;
    for (const std::string& name : subfolders) {
        addItem(new QListWidgetItem(closedIcon, QString(depth * kIndent, u' ') + FromLocal(name)));
        paths_.push_back((fs::path(folder) / name).string());
    }
    // Opening the open folder again shows its subfolders afresh but raises no change, so the
    // file list keeps the user's picks.
    const bool moved = folder != path_;
    path_ = folder;
    setCurrentRow(openRow_);
    scrollToItem(item(openRow_));
    if (moved) {
        emit Change();
    }
}

int QtFolderList::ListCount() const {
    return count() - openRow_ - 1;
}

int QtFolderList::RowOf(int index) const {
    const int row = openRow_ + 1 + index;
    if (openRow_ < 0 || row < 0 || row >= count()) {
        throw WidgetError("folder list index " + std::to_string(index) + " out of range");
    }
    return row;
}

int QtFolderList::ListIndex() const {
    const int row = currentRow();
    return row < 0 ? -1 : row - openRow_ - 1;
}

void QtFolderList::SetListIndex(int index) {
    setCurrentRow(RowOf(index));
}

std::string QtFolderList::List(int index) const {
    return paths_[static_cast<std::size_t>(RowOf(index))];
}

void QtFolderList::SetCoveredTop(int pixels) {
    setViewportMargins(0, pixels, 0, 0);
}

void QtFolderList::OpenRow(int row) {
    if (row < 0 || row >= static_cast<int>(paths_.size())) {
        return;
    }
    try {
        SetPath(paths_[static_cast<std::size_t>(row)]);
    } catch (const std::exception&) {
        // A folder that can't be read stays closed; the highlight stays on it.
    }
}

void QtFolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OpenRow(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace kelvane::qt
