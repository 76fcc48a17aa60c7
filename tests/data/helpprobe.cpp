// Asks for help.pdf as the Help command does, through the platform's own services. The install
// check puts it beside the installed program and starts it in another folder.
#include "fakewindow.h"
#include "pages/main/opendocument.h"

int main() {
    kelvane::test::FakeWindow form;
    OpenDocument(form, "help.pdf");
    return 0;
}
