#pragma once

#include <map>
#include <string>
#include <tuple>

#include "widgets/formdesign.h"
#include "win32api.h"

namespace kelvane::win32 {

// The fonts of one window, made once per face, size, weight and DPI and shared by its controls,
// which never own them. They are deleted with the cache, after the window's controls are gone.
// A face the system lacks is replaced by the nearest sans-serif face it has.
class FontCache {
  public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT Font(const FontDesign& design, int dpi);

    // The face used for `face`: itself when the system has it, else the first of a few
    // sans-serif faces of similar widths that it has.
    static std::string FaceFor(const std::string& face);

  private:
    std::map<std::tuple<std::string, double, bool, int>, HFONT> fonts_;
};

}  // namespace kelvane::win32
