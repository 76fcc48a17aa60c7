#include "engine/folderlookup.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/fileerror.h"

namespace kelvane {
namespace {

// Files f0 to f19, each with its own index, whose lookups by name are counted.
class CountedFiles : public PlatformFiles {
  public:
    bool IsFile(const std::string&) override { throw FileError("not used"); }
    std::optional<FileStatus> LookUp(const std::string& path) override {
        looked.push_back(path);
        if (path.size() > 1 && path[0] == 'f' && std::stoul(path.substr(1)) < 20) {
            return FileStatus{false, FileIdentity{1, std::stoul(path.substr(1))}};
        }
        return std::nullopt;
    }
    std::unique_ptr<PlatformFile> Open(const std::string&, Access, bool) override {
        throw FileError("not used");
    }

    std::vector<std::string> looked;
};

std::vector<std::string> Names(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back("f" + std::to_string(i));
    }
    return names;
}

// Reads the listing of f0 to f19, the first `others` entries being other names, with f0's index
// given as `firstIndex`; returns the names looked up by name.
std::vector<std::string> LookUpListed(const std::vector<std::string>& names, int others,
                                      std::uint64_t firstIndex = 0) {
    CountedFiles files;
    FolderLookup lookup(files, "", names, [](std::string_view) { return true; });
    for (int i = -others; i < 20 && lookup.Wanted(); ++i) {
        const auto index = static_cast<std::uint64_t>(i == 0 ? firstIndex : i);
        if (!lookup.Take(i < 0 ? "other" : "f" + std::to_string(i),
                         FileStatus{false, FileIdentity{1, index}})) {
            break;
        }
    }
    const auto found = lookup.Finish();
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(found[i], CountedFiles().LookUp(names[i])) << names[i];
    }
    return files.looked;
}

// What the listing tells stands once one of its names is found alike by name; the rest is
// looked up by name, as is everything when the listing isn't worth reading or can't be trusted.
TEST(FolderLookup, TellsWhatLookupsByNameWould) {
    const std::vector<std::string> all = Names(20);
    EXPECT_EQ(LookUpListed(all, 0), std::vector<std::string>{"f0"});
    EXPECT_EQ(LookUpListed({"f1", "f2", "f3"}, 0), (std::vector<std::string>{"f1", "f2", "f3"}))
        << "too few names to list the folder for";

    std::vector<std::string> twice = all;
    twice.insert(twice.end(), {"f5", "gone", "gone"});
    EXPECT_EQ(LookUpListed(twice, 0), (std::vector<std::string>{"f0", "gone"}))
        << "a name given twice";

    std::vector<std::string> checkedThenAll = {"f0"};
    checkedThenAll.insert(checkedThenAll.end(), all.begin(), all.end());
    EXPECT_EQ(LookUpListed(all, 0, 42), checkedThenAll) << "a listing that disagrees";

    const std::vector<std::string> sixteen = Names(16);
    EXPECT_EQ(LookUpListed(sixteen, 64 * 16), sixteen) << "a listing longer than it is worth";
}

}  // namespace
}  // namespace kelvane
