#include "appicons.h"

#include <QDir>
#include <QString>

// The pictures are drawn once, as SVG in data/icons, rendered to PNG at build time and built
// into the program as resources under :/pictures.

namespace {

// Every rendered size of a design, named <design>-<size>.png.
QIcon EverySize(const QString& design) {
    QIcon icon;
    const QDir pictures(QStringLiteral(":/pictures"), design + QStringLiteral("-*.png"));
    for (const QString& name : pictures.entryList()) {
        icon.addFile(pictures.filePath(name));
    }
    return icon;
}

}  // namespace

QIcon AppIcon() {
    return EverySize(QStringLiteral("kelvane-merger"));
}

QIcon UpArrowIcon() {
    return QIcon(QStringLiteral(":/pictures/arrow-up.png"));
}

QIcon DownArrowIcon() {
    return QIcon(QStringLiteral(":/pictures/arrow-down.png"));
}

QIcon FolderIcon(bool open) {
    return EverySize(open ? QStringLiteral("folder-open") : QStringLiteral("folder-closed"));
}
