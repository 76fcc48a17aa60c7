#pragma once

#include <string>

namespace kelvane {

// A directory list: the open folder's ancestors from the root down, the open folder, then its
// subfolders. Entries are numbered -1 (the open folder), -2, -3 ... (its ancestors, nearest
// first) and 0 ... ListCount()-1 (its subfolders); List(i) is entry i's full path.
//
// Setting Path (or a double click) opens a folder: it raises the change event and highlights
// the open folder. A single click only moves the highlight (ListIndex). Setting Path to a folder
// that can't be read raises WidgetError and leaves the list as it was.
class FolderList {
  public:
    virtual ~FolderList() = default;

    virtual std::string Path() const = 0;
    virtual void SetPath(const std::string& path) = 0;

    virtual int ListCount() const = 0;
    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0;
    virtual std::string List(int index) const = 0;
};

}  // namespace kelvane
