#include "opendocument.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void OpenDocument(kelvane::Form& /*form*/, const std::string& document) {
    const QString name =
        QString::fromLocal8Bit(document.data(), static_cast<qsizetype>(document.size()));
    const QFileInfo file(QDir::current(), name);
    if (name.isEmpty() || !file.isFile()) {
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
