#pragma once

#include <string>

namespace kelvane {

// An ordered, unsorted list of texts, each with a Selected flag.
//
// Two styles share this contract:
// - single selection: setting Selected(i) true makes item i the only selected item and the
//   current one (ListIndex). A press of the primary button makes the pressed row current
//   before the press event is raised, and while it is held the current row follows the pointer.
// - check boxes: Selected(i) is item i's check mark, any number may be marked, and ListIndex is
//   the highlighted row.
//
// Indexes run from 0 to ListCount() - 1; ListIndex() is -1 when no item is current. An index
// outside the list raises WidgetError. Mouse press and release events carry a MouseEvent.
class ListWidget {
  public:
    virtual ~ListWidget() = default;

    virtual int ListCount() const = 0;
    virtual std::string List(int index) const = 0;
    virtual void SetList(int index, const std::string& text) = 0;

    virtual bool Selected(int index) const = 0;
    virtual void SetSelected(int index, bool selected) = 0;

    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0;
    // Index of the item added last; -1 before any.
    virtual int NewIndex() const = 0;

    virtual void AddItem(const std::string& text) = 0;
    virtual void RemoveItem(int index) = 0;
    virtual void Clear() = 0;
};

}  // namespace kelvane
