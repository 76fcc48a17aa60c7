#include "qtsavedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "localtext.h"

namespace kelvane::qt {

QString QtSaveDialog::ToQtFilter(const std::string& filter) {
    const QStringList parts = FromLocal(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';')) {
            if (!pattern.trimmed().isEmpty()) {
                patterns.append(pattern.trimmed());
            }
        }
        if (!patterns.isEmpty()) {
            entries.append(parts[i] + QStringLiteral(" (") + patterns.join(QChar(u' ')) +
                           QChar(u')'));
        }
    }
    return entries.join(QStringLiteral(";;"));
}

void QtSaveDialog::ShowSave() {
    QFileDialog dialog(owner_, FromLocal(title_));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // The filter's descriptions show as they are written, without the patterns added again.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QString filters = ToQtFilter(filter_);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    }
    if (!fileName_.empty()) {
        const QFileInfo previous(FromLocal(fileName_));
        dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;  // cancelled: FileName stays as it was
    }
    const QStringList chosen = dialog.selectedFiles();
    if (!chosen.isEmpty()) {
        fileName_ = ToLocal(chosen.first());
    }
}

}  // namespace kelvane::qt
