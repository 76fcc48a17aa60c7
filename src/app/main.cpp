#include "frmmain.h"
#include "widgets/toolkit.h"

// The program reads no command line: nothing of it reaches the toolkit either.
int main() {
    const auto toolkit = kelvane::MakeToolkit();
    frmMain window(*toolkit);
    toolkit->Run(window.window());
    return 0;
}
