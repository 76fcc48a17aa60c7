#pragma once

#include <QIcon>
#include <QListWidget>
#include <string>
#include <vector>

#include "widgets/folderlist.h"

namespace kelvane::qt {

// A classic directory list: the open folder's ancestors from the root down, the open folder,
// then its subfolders (hidden ones left out, in natural order), indented as a tree. The open
// folder and its ancestors show an open-folder picture, the subfolders a closed one, so the
// open folder stands apart from a merely highlighted one.
//
// Contract index i is row (ancestor count + 1 + i): -1 the open folder, -2 its parent and so on,
// 0 the first subfolder. A single click (or the arrow keys) only moves the highlight; a double
// click or Enter opens the highlighted folder, as SetPath does. Opening a folder highlights it
// and emits Change. A relative path is taken from the process's current directory; "." and ".."
// are resolved by name.
class QtFolderList : public QListWidget, public FolderList {
    Q_OBJECT

  public:
    explicit QtFolderList(QWidget* parent = nullptr);

    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override;
    int ListCount() const override;
    int ListIndex() const override;
    void SetListIndex(int index) override;
    std::string List(int index) const override;

    // Keeps the top `pixels` of the list free of rows, for a control laid over its top edge.
    void SetCoveredTop(int pixels);

    // The full path of `path` as the list opens it: absolute, without "." or ".." and without
    // a trailing separator (except the root's).
    static std::string NormalPath(const std::string& path);

  signals:
    // Another folder has been opened.
    void Change();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int RowOf(int index) const;
    void OpenRow(int row);

    QIcon openPicture_;
    QIcon closedPicture_;
    std::string path_;
    std::vector<std::string> paths_;  // the full path shown on each row
    int openRow_ = -1;                // the row of the open folder
};

}  // namespace kelvane::qt
