#include <exception>

#include "pages/main/frmmain.h"
#include "widgets/runprocedure.h"
#include "widgets/toolkit.h"

// The program reads no command line: nothing of it reaches the toolkit either.
int main() {
    try {
        const auto toolkit = kelvane::MakeToolkit();
        frmMain window(*toolkit);
        toolkit->Run(window.window());
    } catch (...) {
        // The main window couldn't be made (no display to show it on, say): there is nothing
        // to show a message in. The failure is traced, and the program ends with a failure
        // status.
        kelvane::TraceEscapedFailure(std::current_exception(), "frmMain", {});
        return 1;
    }
    return 0;
}
