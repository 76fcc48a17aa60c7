#pragma once

#include <QIcon>
#include <QListWidget>

#include "widgets/folderrows.h"
#include "widgets/typeahead.h"

namespace kelvane::qt {

// A classic directory list drawn with Qt: the rows of FolderRows, each indented by its depth,
// the open folder and its ancestors with an open-folder picture and the subfolders with a closed
// one, so the open folder stands apart from a merely highlighted one. A single click (or the
// arrow keys) only moves the highlight; a double click or Enter opens the highlighted folder.
// The highlight is Qt's current row, drawn as the one selected row.
class QtFolderList : public QListWidget, public FolderRows {
    Q_OBJECT

  public:
    explicit QtFolderList(QWidget* parent = nullptr);

    // Keeps the top `pixels` of the list free of rows, for a control laid over its top edge.
    void SetCoveredTop(int pixels);
    void keyboardSearch(const QString& search) override;

  signals:
    // Another folder has been opened.
    void Change();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void ShowRows() override;
    int HighlightedRow() const override { return currentRow(); }
    void Highlight(int row) override;
    void RaiseChange() override { emit Change(); }

  private:
    // The row drawn highlighted: the one selected row; -1 for none.
    int DrawnRow() const;

    QIcon openPicture_;
    QIcon closedPicture_;
    kelvane::TypeAhead typeAhead_;
};

}  // namespace kelvane::qt
