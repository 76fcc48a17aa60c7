#include "fontcache.h"

#include "base/widetext.h"

namespace kelvane::win32 {

namespace {

bool SystemHasFace(const std::string& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, ToWideShown(face).c_str(), LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM flag) -> int {
            *reinterpret_cast<bool*>(flag) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

FontCache::~FontCache() {
    for (const auto& entry : fonts_) {
        DeleteObject(entry.second);
    }
}

std::string FontCache::FaceFor(const std::string& face) {
    static std::map<std::string, std::string> chosen;
    const auto known = chosen.find(face);
    if (known != chosen.end()) {
        return known->second;
    }
    std::string result = face;
    for (const char* candidate : {face.c_str(), "Microsoft Sans Serif", "Liberation Sans", "Arial",
                                  "Arimo", "DejaVu Sans Condensed", "Tahoma"}) {
        if (SystemHasFace(candidate)) {
            result = candidate;
            break;
        }
    }
    chosen[face] = result;
    return result;
}

HFONT FontCache::Font(const FontDesign& design, int dpi) {
    const auto key = std::make_tuple(design.face, design.points, design.bold, dpi);
    const auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second;
    }
    LOGFONTW font{};
    font.lfHeight = -PointsToPixels(design.points, dpi);
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(font.lfFaceName, ToWideShown(FaceFor(design.face)).c_str(), LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&font);
    fonts_[key] = made;
    return made;
}

}  // namespace kelvane::win32
