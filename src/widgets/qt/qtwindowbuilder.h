#pragma once

namespace kelvane::qt {

class QtWindow;

// Makes the menus and controls of a QtWindow from its description: each control of the kind
// described, at its place in its container, with its texts, font and colour, drawn in the
// described order (the one described first on top), and chained in the Tab order.
class QtWindowBuilder {
  public:
    static void Build(QtWindow& window);
};

}  // namespace kelvane::qt
