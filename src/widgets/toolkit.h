#pragma once

#include <memory>

#include "widgets/formdesign.h"
#include "widgets/msgbox.h"
#include "widgets/savedialog.h"
#include "widgets/window.h"

namespace kelvane {

// A windowing toolkit: it builds windows from their descriptions, gives the dialogs the
// program uses, and runs the event loop. The program is linked with exactly one toolkit, which
// MakeToolkit returns.
class Toolkit {
  public:
    virtual ~Toolkit() = default;

    // Builds the window, hidden, with every control holding its described values.
    virtual std::unique_ptr<Window> Build(const FormDesign& design) = 0;
    // Message boxes and a Save dialog, modal to `owner`; null for no owner.
    virtual std::unique_ptr<MsgBox> MakeMsgBox(Window* owner) = 0;
    virtual std::unique_ptr<SaveDialog> MakeSaveDialog(Window* owner) = 0;
    // Shows `main` and runs the event loop until it has been unloaded.
    virtual void Run(Window& main) = 0;
};

// The toolkit the program is linked with. The program's command line is not passed on:
// nothing of it reaches the toolkit.
std::unique_ptr<Toolkit> MakeToolkit();

}  // namespace kelvane
