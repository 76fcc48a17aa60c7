#include "qtfolderlist.h"

#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>

#include "localtext.h"
#include "qtlistwidget.h"

namespace kelvane::qt {

namespace {

// A folder picture drawn on a 16-unit square: a closed folder (tab and body in one colour), or
// an open one (the dark back of the folder with its front flap tipped forward), so the open
// folder reads as open at a glance and not only by a shade.
QImage DrawFolder(bool open, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    QPen outline(QColor(120, 90, 20), 1.0);
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);
    if (open) {
        QPainterPath back;
        back.moveTo(1.5, 13.5);
        back.lineTo(1.5, 3.5);
        back.lineTo(5.5, 3.5);
        back.lineTo(6.5, 4.5);
        back.lineTo(12.5, 4.5);
        back.lineTo(12.5, 7.5);
        back.closeSubpath();
        painter.setBrush(QColor(176, 132, 36));
        painter.drawPath(back);
        painter.setBrush(Qt::white);  // a sheet inside
        painter.drawRect(QRectF(3.5, 5.5, 7.0, 4.0));
        QPainterPath flap;
        flap.moveTo(1.5, 13.5);
        flap.lineTo(4.5, 7.5);
        flap.lineTo(15.5, 7.5);
        flap.lineTo(12.5, 13.5);
        flap.closeSubpath();
        painter.setBrush(QColor(252, 226, 140));
        painter.drawPath(flap);
    } else {
        QPainterPath folder;
        folder.moveTo(1.5, 13.5);
        folder.lineTo(1.5, 3.5);
        folder.lineTo(6.5, 3.5);
        folder.lineTo(7.5, 4.5);
        folder.lineTo(14.5, 4.5);
        folder.lineTo(14.5, 13.5);
        folder.closeSubpath();
        painter.setBrush(QColor(236, 196, 80));
        painter.drawPath(folder);
        painter.drawLine(QPointF(1.5, 6.5), QPointF(14.5, 6.5));  // the edge of the flap
    }
    return image;
}

QIcon FolderPicture(bool open) {
    QIcon picture;
    for (const int size : {16, 24, 32, 48}) {
        picture.addPixmap(QPixmap::fromImage(DrawFolder(open, size)));
    }
    return picture;
}

}  // namespace

QtFolderList::QtFolderList(QWidget* parent)
    : QListWidget(parent), openPicture_(FolderPicture(true)), closedPicture_(FolderPicture(false)) {
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
