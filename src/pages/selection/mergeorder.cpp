#include "mergeorder.h"

#include <string>

namespace kelvane {

MergeOrder::MergeOrder(ListWidget& lstFileSelect) : lstFileSelect_(lstFileSelect) {}

void MergeOrder::MoveRow(int direction) {
    const int a = lstFileSelect_.ListIndex();
    if (a < 0) {
        return;  // no current row
    }
    const int count = lstFileSelect_.ListCount();
    const int up = a > 0 ? a - 1 : a;
    const int down = a < count - 1 ? a + 1 : count - 1;

    int other = 0;
    if (direction == -1) {
        other = down;
    } else if (direction == 1) {
        other = up;
    } else {
        return;
    }
    // Rows trade texts in place; at either end a row trades with itself.
    const std::string kept = lstFileSelect_.List(a);
    lstFileSelect_.SetList(a, lstFileSelect_.List(other));
    lstFileSelect_.SetList(other, kept);
    lstFileSelect_.SetSelected(other, true);
}

void MergeOrder::cmdUp_Click() {
    MoveRow(1);
}

void MergeOrder::cmdDown_Click() {
    MoveRow(-1);
}

void MergeOrder::lstFileSelect_MouseDown(const MouseEvent& /*event*/) {
    // The list has already made the pressed row current.
    lDragFromIndex = lstFileSelect_.ListIndex();
}

void MergeOrder::lstFileSelect_MouseUp(const MouseEvent& /*event*/) {
    const int b = lstFileSelect_.ListIndex();  // the row under the pointer
    const int p = lDragFromIndex;
    if (p == b || p == -1) {
        return;
    }
    const int direction = p < b ? -1 : 1;
    const int moves = p < b ? b - p : p - b;

    const int count = lstFileSelect_.ListCount();
    if (count <= 1) {
        return;
    }
    // A row remembered from before the list was rebuilt may be gone.
    if (p < 0 || p >= count) {
        return;
    }
    lstFileSelect_.SetSelected(p, true);
    for (int i = 0; i < moves; ++i) {
        MoveRow(direction);
    }
}

}  // namespace kelvane
