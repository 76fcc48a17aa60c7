#include "frmmain.h"
#include "widgets/toolkit.h"

// The program reads no command line: nothing of it reaches the toolkit either.
int main() {
    try {
        const auto toolkit = kelvane::MakeToolkit();
        frmMain window(*toolkit);
        toolkit->Run(window.window());
    } catch (...) {
        // The main window couldn't be made (no display to show it on, say): there is nothing
        // to show a message in, and the program ends with a failure status.
        return 1;
    }
    return 0;
}
