#include "opendocument.h"

#include "base/pathname.h"
#include "widgets/folderreader.h"
#include "widgets/widgeterror.h"

namespace kelvane {

std::string ProgramLocation::CurrentFolder() {
    try {
        return kelvane::CurrentFolder();
    } catch (const WidgetError&) {
        return {};
    }
}

namespace {

// Windows takes '/' as well as its own separator.
constexpr std::string_view kSeparators = kFolderSeparator == '\\' ? "\\/" : "/";

bool IsSeparator(char c) {
    return kSeparators.find(c) != std::string_view::npos;
}

// A path taken from the current folder: not from a root ("/x", "\x") nor, on Windows, from a
// drive ("C:x").
bool IsRelative(std::string_view path) {
    if (path.empty() || IsSeparator(path.front())) {
        return false;
    }
    return !(kFolderSeparator == '\\' && path.size() >= 2 && path[1] == ':');
}

// `path` with the platform's own separators.
std::string WithNativeSeparators(std::string path) {
    for (char& c : path) {
        if (IsSeparator(c)) {
            c = kFolderSeparator;
        }
    }
    return path;
}

// The relative `document` in the folder `folder` (the empty text for the root).
std::string InFolder(const std::string& folder, const std::string& document) {
    const bool separated = !folder.empty() && IsSeparator(folder.back());
    return WithNativeSeparators(folder + (separated ? "" : std::string(1, kFolderSeparator)) +
                                document);
}

// `document` in the folder `relation` leads to from the folder of `program`, or the empty text
// when `program` is no full path.
std::string InstalledCopy(const std::string& program, std::string_view relation,
                          const std::string& document) {
    const auto end = program.find_last_of(kSeparators);
    if (end == std::string::npos) {
        return {};
    }
    std::string folder = program.substr(0, end);
    while (!relation.empty()) {
        const auto cut = relation.find('/');
        const std::string_view step = relation.substr(0, cut);
        relation = cut == std::string_view::npos ? std::string_view() : relation.substr(cut + 1);
        if (step.empty() || step == ".") {
            continue;
        }
        if (step == "..") {
            // The program's folder is a resolved path, so going up is taking a name off; a
            // root stays where it is.
            const auto up = folder.find_last_of(kSeparators);
            if (up != std::string::npos) {
                folder.erase(up);
            }
            continue;
        }
        folder += kFolderSeparator;
        folder += step;
    }
    return InFolder(folder, document);
}

}  // namespace

std::string DocumentToOpen(const std::string& document, DocumentServices& services,
                           std::string_view docsFromProgram) {
    if (!IsRelative(document)) {
        return services.files->IsFile(document) ? document : std::string();
    }
    // The copy in the current folder is named in full: a platform that looks for a bare name
    // in other folders first (the program's own, on Windows) would open another copy.
    if (services.files->IsFile(document)) {
        const std::string current = services.location->CurrentFolder();
        if (!current.empty()) {
            return InFolder(current, document);
        }
    }
    const std::string copy =
        InstalledCopy(services.location->ProgramPath(), docsFromProgram, document);
    return !copy.empty() && services.files->IsFile(copy) ? copy : std::string();
}

void OpenDocumentWith(Form& form, const std::string& document, DocumentServices& services,
                      std::string_view docsFromProgram) {
    const std::string file = DocumentToOpen(document, services, docsFromProgram);
    if (!file.empty()) {
        services.shell->Open(form.NativeHandle(), file);
    }
}

}  // namespace kelvane

void OpenDocument(kelvane::Form& form, const std::string& document) {
    auto services = kelvane::PlatformDocumentServices();
    kelvane::OpenDocumentWith(form, document, services, KELVANE_DOCS_FROM_PROGRAM);
}
