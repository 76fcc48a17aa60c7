#include "qtfolderlist.h"

#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <algorithm>
#include <filesystem>

#include "localtext.h"
#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

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
    constexpr int kIndent = 2;
    int depth = 0;
    for (const std::string& step : chain) {
        const std::string name = depth == 0 ? step : fs::path(step).filename().string();
        addItem(
            new QListWidgetItem(openPicture_, QString(depth * kIndent, u' ') + FromLocal(name)));
        paths_.push_back(step);
        ++depth;
    }
    openRow_ = static_cast<int>(chain.size()) - 1;
    for (const std::string& name : subfolders) {
        addItem(
            new QListWidgetItem(closedPicture_, QString(depth * kIndent, u' ') + FromLocal(name)));
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
