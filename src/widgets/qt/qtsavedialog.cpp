#include "qtsavedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "localtext.h"

namespace kelvane::qt {

QString QtSaveDialog::ToQtFilter(const std::string& filter) {
    QStringList entries;
    for (const FilterEntry& entry : FilterEntries(filter)) {
        QStringList patterns;
        for (const QString& pattern : FromLocal(entry.patterns).split(u';')) {
            if (!pattern.trimmed().isEmpty()) {
                patterns.append(pattern.trimmed());
            }
        }
        if (!patterns.isEmpty()) {
            entries.append(FromLocal(entry.description) + QStringLiteral(" (") +
                           patterns.join(QChar(u' ')) + QChar(u')'));
        }
    }
    return entries.join(QStringLiteral(";;"));
}

void QtSaveDialog::ShowSave() {
    QFileDialog dialog(owner_, FromLocal(DialogTitle()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // The filter's descriptions show as they are written, without the patterns added again.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QString filters = ToQtFilter(Filter());
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    }
    if (!FileName().empty()) {
        const QFileInfo previous(FromLocal(FileName()));
        dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;  // cancelled: FileName stays as it was
    }
    const QStringList chosen = dialog.selectedFiles();
    if (!chosen.isEmpty()) {
        SetFileName(ToLocal(chosen.first()));
    }
}

}  // namespace kelvane::qt
