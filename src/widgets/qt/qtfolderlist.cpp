#include "qtfolderlist.h"

#include <QKeyEvent>

#include "appicons.h"
#include "localtext.h"
#include "qtlistwidget.h"

namespace kelvane::qt {

QtFolderList::QtFolderList(QWidget* parent)
    : QListWidget(parent), openPicture_(FolderIcon(true)), closedPicture_(FolderIcon(false)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));  // rows as high as the other lists'
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenRow(row(item)); });
}

void QtFolderList::ShowRows() {
    constexpr int kIndent = 2;
    clear();
    for (int row = 0; row < RowCount(); ++row) {
        addItem(
            new QListWidgetItem(RowOpen(row) ? openPicture_ : closedPicture_,
                                QString(RowDepth(row) * kIndent, u' ') + FromLocal(RowName(row))));
    }
}

void QtFolderList::Highlight(int row) {
    const bool moved = row != currentRow();
    setCurrentRow(row);  // selects it too
    if (moved) {
        scrollToItem(item(row));
    }
}

int QtFolderList::DrawnRow() const {
    const QList<QListWidgetItem*> drawn = selectedItems();
    return drawn.size() == 1 ? row(drawn.front()) : -1;
}

void QtFolderList::SetCoveredTop(int pixels) {
    setViewportMargins(0, pixels, 0, 0);
}

void QtFolderList::keyboardSearch(const QString& search) {
    TypeAheadIn(*this, typeAhead_, search,
                [this](int row) -> std::string_view { return RowName(row); });
}

void QtFolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OpenRow(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
    KeepHighlight(DrawnRow());
}

void QtFolderList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    KeepHighlight(DrawnRow());
}

void QtFolderList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    KeepHighlight(DrawnRow());
}

}  // namespace kelvane::qt
