#include "merge/folderlookup.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "merge/fileerror.h"

namespace kelvane {
namespace {

FileStatus File(std::uint64_t index) {
    return {false, FileIdentity{1, index}};
}

// A folder of files whose lookups by name are counted.
class CountedFiles : public PlatformFiles {
  public:
    bool IsFile(const std::string&) override { throw FileError("not used"); }
    std::optional<FileIdentity> Identity(const std::string&) override {
        throw FileError("not used");
    }
    std::optional<FileStatus> LookUp(const std::string& path) override {
        looked.push_back(path);
        const auto it = files.find(path);
        return it == files.end() ? std::nullopt : std::optional<FileStatus>(it->second);
    }
    std::unique_ptr<PlatformFile> Open(const std::string&, Access, bool) override {
        throw FileError("not used");
    }

    std::map<std::string, FileStatus> files;
    std::vector<std::string> looked;
};

struct ListingCase {
    const char* name;
    std::vector<std::string> names;
    // The listing, as the platform reads it: each entry's name and what it tells, if anything.
    std::vector<std::pair<std::string, std::optional<FileStatus>>> listing;
    std::vector<std::string> lookedUpByName;
};

void PrintTo(const ListingCase& c, std::ostream* os) {
    *os << c.name;
}

// Twenty files, f0 to f19, each with its own index.
std::vector<std::string> Names(int count = 20) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back("f" + std::to_string(i));
    }
    return names;
}

std::vector<std::pair<std::string, std::optional<FileStatus>>> Listing(int count = 20) {
    std::vector<std::pair<std::string, std::optional<FileStatus>>> listing;
    for (int i = 0; i < count; ++i) {
        listing.emplace_back("f" + std::to_string(i), File(static_cast<std::uint64_t>(i)));
    }
    return listing;
}

class FolderListing : public testing::TestWithParam<ListingCase> {};

// What the listing tells stands, and is checked once against a lookup by name; the rest is
// looked up by name. Every name ends up with what a lookup by name gives.
TEST_P(FolderListing, TellsWhatTheLookupsWould) {
    const ListingCase& c = GetParam();
    CountedFiles files;
    for (int i = 0; i < 20; ++i) {
        files.files["dir/f" + std::to_string(i)] = File(static_cast<std::uint64_t>(i));
    }
    const std::string folder = "dir/";
    FolderLookup lookup(files, folder, c.names,
                        [](std::string_view name) { return name.find('/') == name.npos; });
    for (const auto& [name, status] : c.listing) {
        if (!lookup.Wanted() || !lookup.Take(name, status)) {
            break;
        }
    }
    const auto found = lookup.Finish();
    ASSERT_EQ(found.size(), c.names.size());
    std::vector<std::string> expected;
    for (const auto& name : c.lookedUpByName) {
        expected.push_back(folder + name);
    }
    EXPECT_EQ(files.looked, expected);
    for (std::size_t i = 0; i < c.names.size(); ++i) {
        const auto it = files.files.find(folder + c.names[i]);
        EXPECT_EQ(found[i],
                  it == files.files.end() ? std::nullopt : std::optional<FileStatus>(it->second))
            << c.names[i];
    }
}

template <typename T>
std::vector<T> With(std::vector<T> items, std::type_identity_t<std::initializer_list<T>> more) {
    items.insert(items.end(), more);
    return items;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderListing,
    testing::Values(
        ListingCase{"FewNamesAreLookedUpByName", {"f1", "f2", "f3"}, Listing(), {"f1", "f2", "f3"}},
        ListingCase{"ListedNamesAreCheckedOnce", Names(), Listing(), {"f0"}},
        ListingCase{"UnlistedAndUntoldNamesByName",
                    With(Names(18), {"f18", "gone"}),
                    [] {
                        auto listing = Listing(20);
                        listing[18].second.reset();  // a link: what it names isn't told
                        return listing;
                    }(),
                    {"f0", "f18", "gone"}},
        ListingCase{"AListingThatDisagreesIsDropped", Names(16),
                    [] {
                        auto listing = Listing(16);
                        listing[0].second = File(42);
                        return listing;
                    }(),
                    [] {
                        std::vector<std::string> looked = {"f0"};  // the check, then every name
                        const auto names = Names(16);
                        looked.insert(looked.end(), names.begin(), names.end());
                        return looked;
                    }()},
        ListingCase{"NamesGivenTwiceAreLookedUpOnce",
                    With(Names(), {"f5", "gone", "gone"}),
                    Listing(),
                    {"f0", "gone"}},
        ListingCase{"NamesTheListingCantHoldByName",
                    With(Names(), {"sub/f1"}),
                    With(Listing(), {{"sub/f1", File(1)}}),
                    {"f0", "sub/f1"}},
        ListingCase{"ReadNoFurtherThanItIsWorth", Names(16),
                    [] {
                        std::vector<std::pair<std::string, std::optional<FileStatus>>> listing(
                            64 * 16, {"other", File(7)});
                        auto files = Listing(16);
                        listing.insert(listing.end(), files.begin(), files.end());
                        return listing;
                    }(),
                    Names(16)}),
    [](const testing::TestParamInfo<ListingCase>& p) { return p.param.name; });

}  // namespace
}  // namespace kelvane
