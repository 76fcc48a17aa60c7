// Asks for help.pdf as the Help command does, through the platform's own services. The install
// check puts it beside the installed program and starts it in another folder.
#include "fakeform.h"
#include "pages/main/opendocument.h"

int main() {
    kelvane::test::FakeForm form;
    OpenDocument(form, "help.pdf");
    return 0;
}
