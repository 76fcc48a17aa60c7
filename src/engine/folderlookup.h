#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/platformfiles.h"

namespace kelvane {

// Looks many names up in one folder from a listing of it, where that is quicker than a lookup
// by name for each: the part of PlatformFolder::LookUp that is the same on every platform.
// The platform reads its listing into Take; Finish looks up by name what the listing doesn't
// tell, and makes sure the listing tells what a lookup would.
class FolderLookup {
  public:
    // `folder` ends with a separator, or is empty; `listable` tells the names that can only ever
    // be found as an entry of that exact name (no separator, nothing the platform drops).
    FolderLookup(PlatformFiles& files, const std::string& folder,
                 const std::vector<std::string>& names, bool (*listable)(std::string_view name));

    // Whether a listing is worth reading: enough names, and not all of them found yet.
    bool Wanted() const;
    // One entry of the listing, with what it tells, or nothing where the listing can't tell
    // (a link, an entry of unknown kind). False once no more entries are wanted: all names found,
    // or as many entries read as looking every name up would cost.
    bool Take(std::string_view name, const std::optional<FileStatus>& status);
    // What each name names, as PlatformFiles::LookUp would say. Raises as LookUp does.
    std::vector<std::optional<FileStatus>> Finish();

  private:
    PlatformFiles& files_;
    std::string folder_;
    const std::vector<std::string>& names_;
    std::unordered_map<std::string_view, std::size_t> rows_;  // each listable name's first row
    std::vector<std::optional<FileStatus>> found_;
    std::vector<bool> known_;
    std::size_t matched_ = 0;
    std::size_t budget_;
    std::optional<std::size_t> sample_;  // the first row the listing told
};

}  // namespace kelvane
