#include "qtfilelist.h"

#include <QItemSelection>
#include <QMetaObject>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "listmodel.h"
#include "qtlistwidget.h"
#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {

QtFileList::QtFileList(QWidget* parent) : QListView(parent), model_(new ListModel(false, this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &QtFileList::OnSelectionChanged);
}

void QtFileList::SetPath(const std::string& path) {
    FolderContents contents = ReadFolder(path);  // raises WidgetError, leaving the list as it was
    std::vector<std::string>& names = contents.files;
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    flushing_ = true;
    model_->Reset(std::move(names));
    flushing_ = false;
    path_ = path;
    flags_.assign(static_cast<std::size_t>(model_->Count()), 0);
    snapshot_ = true;
    dirty_ = false;
}

int QtFileList::ListCount() const {
    return model_->Count();
}

void QtFileList::Check(int index) const {
    if (index < 0 || index >= model_->Count()) {
        throw WidgetError("file list index " + std::to_string(index) + " out of range");
    }
}

std::string QtFileList::List(int index) const {
    Check(index);
    return model_->Text(index);
}

void QtFileList::TakeSnapshot() const {
    if (snapshot_) {
        return;
    }
    flags_.assign(static_cast<std::size_t>(model_->Count()), 0);
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        const int top = std::max(range.top(), 0);
        const int bottom = std::min(range.bottom(), model_->Count() - 1);
        std::fill(flags_.begin() + top, flags_.begin() + bottom + 1, 1);
    }
    snapshot_ = true;
}

bool QtFileList::Selected(int index) const {
    Check(index);
    TakeSnapshot();
    return flags_[static_cast<std::size_t>(index)] != 0;
}

void QtFileList::SetSelected(int index, bool selected) {
    Check(index);
    TakeSnapshot();
    char& flag = flags_[static_cast<std::size_t>(index)];
    if ((flag != 0) == selected) {
        return;
    }
    flag = selected ? 1 : 0;
    dirty_ = true;
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &QtFileList::FlushSelection, Qt::QueuedConnection);
    }
}

void QtFileList::FlushSelection() {
    flushQueued_ = false;
    if (!dirty_) {
        return;
    }
    dirty_ = false;
    // One selection of merged runs. Clearing first and then selecting keeps Qt's comparison of
    // the old and new selection linear.
    QItemSelection runs;
    const int count = model_->Count();
    for (int row = 0; row < count;) {
        if (flags_[static_cast<std::size_t>(row)] == 0) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && flags_[static_cast<std::size_t>(row)] != 0) {
            ++row;
        }
        runs.append(QItemSelectionRange(model_->index(first), model_->index(row - 1)));
    }
    flushing_ = true;
    selectionModel()->clearSelection();
    if (!runs.isEmpty()) {
        selectionModel()->select(runs, QItemSelectionModel::Select);
    }
    flushing_ = false;
}

void QtFileList::OnSelectionChanged() {
    if (flushing_) {
        return;
    }
    // The user changed the selection: Qt's is the truth now, and a write not yet handed back
    // (possible only while a handler's modal box runs its own event loop) gives way to it.
    snapshot_ = false;
    dirty_ = false;
}

void QtFileList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // Only the primary button picks files: a right click (a user looking for a menu) or a
        // middle click leaves the selection, the current file and the anchor as they were.
        // The focus has already come here with the press, and the release is still reported.
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void QtFileList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    emit MouseUp(ToMouseEvent(*event));
    FlushSelection();
}

}  // namespace kelvane::qt
