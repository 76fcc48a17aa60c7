#include "appicons.h"

#include <QDir>
#include <QString>

// The pictures are drawn once, as SVG in data/icons, rendered to PNG at build time and built
// into the program as resources under :/pictures.

QIcon AppIcon() {
    QIcon icon;
    // Every rendered size of the design, named kelvane-merger-<size>.png.
    const QDir pictures(QStringLiteral(":/pictures"), QStringLiteral("kelvane-merger-*.png"));
    for (const QString& name : pictures.entryList()) {
        icon.addFile(pictures.filePath(name));
    }
    return icon;
}

QIcon UpArrowIcon() {
    return QIcon(QStringLiteral(":/pictures/arrow-up.png"));
}

QIcon DownArrowIcon() {
    return QIcon(QStringLiteral(":/pictures/arrow-down.png"));
}
