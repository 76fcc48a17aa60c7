#pragma once

#include <string>
#include <vector>

#include "tempfolder.h"

// What the shared cases of the platform's file API (tst_platformfiles.cpp) take from the
// platform's own file system.
namespace kelvane::test {

// Entries of kinds only the platform has, made in `dir` beside its a.txt (a file) and
// folder.txt: names of every such kind, and other names of a.txt (other spellings, links).
struct OddNames {
    std::vector<std::string> others;
    std::vector<std::string> spellingsOfA;
};
OddNames MakeOddNames(const TempFolder& dir);

}  // namespace kelvane::test
