#pragma once

#include <string>

namespace kelvane {

// The files of one folder, by bare name, in natural order, hidden (and on Windows system)
// files left out, with extended multiple selection. List(i) is the name's exact bytes.
//
// Setting Path to a folder that can't be listed raises WidgetError and leaves the list as it
// was. A release event is raised when a button pressed over the list is released.
class FileList {
  public:
    virtual ~FileList() = default;

    virtual std::string Path() const = 0;
    virtual void SetPath(const std::string& path) = 0;

    virtual int ListCount() const = 0;
    virtual std::string List(int index) const = 0;
    virtual bool Selected(int index) const = 0;
    virtual void SetSelected(int index, bool selected) = 0;
};

}  // namespace kelvane
