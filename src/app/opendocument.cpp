#include "opendocument.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "widgets/qt/localtext.h"

void OpenDocument(kelvane::Form& /*form*/, const std::string& document) {
    const QString name = kelvane::qt::FromLocal(document);
    const QFileInfo file(QDir::current(), name);
    if (name.isEmpty() || !file.isFile()) {
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
