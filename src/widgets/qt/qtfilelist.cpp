#include "qtfilelist.h"

#include <QItemSelection>
#include <QMetaObject>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "listmodel.h"
#include "qtlistwidget.h"

namespace kelvane::qt {

namespace {

// The most pairs of runs, one of each part of a selection, handed back to Qt in two parts.
constexpr double kMostRunPairs = 1 << 20;

}  // namespace

QtFileList::QtFileList(QWidget* parent) : QListView(parent), model_(new ListModel(nullptr, this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &QtFileList::OnSelectionChanged);
}

int QtFileList::RowCount() const {
    return model_->Count();
}

const std::string& QtFileList::RowText(int row) const {
    return model_->Text(row);
}

void QtFileList::ShowNames(std::vector<std::string> names) {
    model_->Reset(std::move(names));
}

std::vector<char> QtFileList::FlagsOf(const QItemSelection& selection) const {
    std::vector<char> flags(static_cast<std::size_t>(model_->Count()), 0);
    for (const QItemSelectionRange& range : selection) {
        const int top = std::max(range.top(), 0);
        const int bottom = std::min(range.bottom(), model_->Count() - 1);
        if (top <= bottom) {
            std::fill(flags.begin() + top, flags.begin() + bottom + 1, 1);
        }
    }
    return flags;
}

QItemSelection QtFileList::RunsOf(const std::vector<char>& flags) const {
    QItemSelection runs;
    SelectionCopy::ForEachRun(flags, [&](std::size_t first, std::size_t last) {
        runs.append(QItemSelectionRange(model_->index(static_cast<int>(first)),
                                        model_->index(static_cast<int>(last))));
    });
    return runs;
}

std::vector<char> QtFileList::ReadSelection() const {
    return FlagsOf(selectionModel()->selection());
}

bool QtFileList::QueueFlush() {
    return QMetaObject::invokeMethod(
        this, [this] { FlushSelection(); }, Qt::QueuedConnection);
}

void QtFileList::WriteSelection(const std::vector<char>& flags) {
    // Qt keeps a selection in two parts: what the earlier gestures made, and the part the latest
    // gesture made, which the next Shift+click replaces by the range from its anchor. The
    // written selection goes back in the same two parts: the earlier part keeps those of its
    // rows still selected, the latest part takes the others. So the next gesture gives what it
    // gives when nothing was written, as if an unselected file had never been picked.
    using Flag = QItemSelectionModel::SelectionFlag;
    QItemSelectionModel* selection = selectionModel();
    flushing_ = true;
    // An empty latest part leaves the earlier part alone to be read.
    selection->select(QItemSelection(), Flag::Select | Flag::Current);
    std::vector<char> earlier = FlagsOf(selection->selection());
    std::vector<char> latest(flags.size(), 0);
    for (std::size_t row = 0; row < flags.size(); ++row) {
        earlier[row] = earlier[row] != 0 && flags[row] != 0 ? 1 : 0;
        latest[row] = flags[row] != 0 && earlier[row] == 0 ? 1 : 0;
    }
    QItemSelection earlierRuns = RunsOf(earlier);
    QItemSelection latestRuns = RunsOf(latest);
    if (static_cast<double>(earlierRuns.size()) * static_cast<double>(latestRuns.size()) >
        kMostRunPairs) {
        // Qt compares the runs of the two parts pair by pair at every later change; past this
        // many pairs (only with thousands of picks broken up by refused files) that would take
        // seconds. Then all of it goes in as the earlier part: the picks are kept, but the next
        // Shift+click can only add to the range of the gesture before.
        earlierRuns = RunsOf(flags);
        latestRuns.clear();
    }
    // Each part goes in as one selection of merged runs. Clearing first keeps Qt's comparisons
    // of the old and new selection linear.
    selection->clearSelection();
    if (!earlierRuns.isEmpty()) {
        selection->select(earlierRuns, Flag::Select);
        selection->select(QItemSelection(), Flag::Select);  // closes it as an earlier part
    }
    if (!latestRuns.isEmpty()) {
        selection->select(latestRuns, Flag::Select | Flag::Current);
    }
    flushing_ = false;
}

void QtFileList::OnSelectionChanged() {
    if (flushing_) {
        return;
    }
    // The user changed the selection: Qt's is the truth now, and a write not yet handed back
    // (possible only while a handler's modal box runs its own event loop) gives way to it.
    Copy().Discard();
}

void QtFileList::keyboardSearch(const QString& search) {
    typing_ = true;
    TypeAheadIn(*this, typeAhead_, search,
                [this](int row) -> std::string_view { return model_->Text(row); });
    typing_ = false;
}

QItemSelectionModel::SelectionFlags QtFileList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    if (typing_) {
        // The typed file alone, with the anchor on it, whatever keys are held (Shift for a
        // capital): a command without Current is what moves Qt's anchor.
        return QItemSelectionModel::ClearAndSelect;
    }
    return QListView::selectionCommand(index, event);
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
