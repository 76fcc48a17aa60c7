#include "folderlookup.h"

#include <algorithm>

namespace kelvane {

namespace {

// Below this many names a listing costs more than it saves.
constexpr std::size_t kListFrom = 16;
// A listing is read no further than this many entries for each name: an entry costs a small
// part of a lookup by name.
constexpr std::size_t kEntriesPerName = 64;

}  // namespace

FolderLookup::FolderLookup(PlatformFiles& files, const std::string& folder,
                           const std::vector<std::string>& names,
                           bool (*listable)(std::string_view name))
    : files_(files),
      folder_(folder),
      names_(names),
      found_(names.size()),
      known_(names.size()),
      budget_(names.size() >= kListFrom ? kEntriesPerName * names.size() : 0) {
    for (std::size_t i = 0; budget_ > 0 && i < names.size(); ++i) {
        if (!names[i].empty() && listable(names[i])) {
            rows_.emplace(names[i], i);
        }
    }
}

bool FolderLookup::Wanted() const {
    return budget_ > 0 && matched_ < rows_.size();
}

bool FolderLookup::Take(std::string_view name, const std::optional<FileStatus>& status) {
    if (budget_ > 0) {
        --budget_;
    }
    if (status) {
        const auto row = rows_.find(name);
        if (row != rows_.end() && !known_[row->second]) {
            found_[row->second] = status;
            known_[row->second] = true;
            ++matched_;
            sample_ = sample_.value_or(row->second);
        }
    }
    return Wanted();
}

std::vector<std::optional<FileStatus>> FolderLookup::Finish() {
    // The listing stands for the lookups only where it tells what they would, as it may not on
    // a file system that numbers its files differently for the two: one name it told is looked
    // up to make sure. That lookup also fails, as every other would, in a folder that can be
    // listed but not entered.
    if (sample_ && files_.LookUp(folder_ + names_[*sample_]) != found_[*sample_]) {
        std::fill(known_.begin(), known_.end(), false);
    }
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (known_[i]) {
            continue;
        }
        const auto row = rows_.find(names_[i]);
        if (row != rows_.end() && known_[row->second]) {
            found_[i] = found_[row->second];  // a name listed twice
        } else {
            found_[i] = files_.LookUp(folder_ + names_[i]);
            known_[i] = true;
        }
    }
    return std::move(found_);
}

}  // namespace kelvane
