// Asks which document Help would open for help.pdf, with the program's own location, from
// wherever the test put this program, and writes it beside it, in "<program>.opened" (UTF-8).
#include <filesystem>
#include <fstream>
#include <string>

#include "pages/main/opendocument.h"
#include "tempfolder.h"

using kelvane::test::Utf8Path;

int main() {
    kelvane::DocumentServices services = kelvane::PlatformDocumentServices();
    const std::string record = services.location->ProgramPath() + ".opened";
    std::ofstream(Utf8Path(record + ".partial"), std::ios::binary)
        << kelvane::DocumentToOpen("help.pdf", services, "");
    std::filesystem::rename(Utf8Path(record + ".partial"), Utf8Path(record));
    return 0;
}
