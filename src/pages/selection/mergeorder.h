#pragma once

#include "widgets/listwidget.h"
#include "widgets/mouseevent.h"

namespace kelvane {

// Reordering the merge list: the Up and Down buttons and dragging a row.
class MergeOrder {
  public:
    explicit MergeOrder(ListWidget& lstFileSelect);

    // 1 moves the current row one place up, -1 one place down; anything else moves nothing.
    void MoveRow(int direction);

    void cmdUp_Click();
    void cmdDown_Click();
    void lstFileSelect_MouseDown(const MouseEvent& event);
    void lstFileSelect_MouseUp(const MouseEvent& event);

    // The row that was current at the last press on the list.
    int DragFromIndex() const { return lDragFromIndex; }

  private:
    ListWidget& lstFileSelect_;
    int lDragFromIndex = 0;
};

}  // namespace kelvane
