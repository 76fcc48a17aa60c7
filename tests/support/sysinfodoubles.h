#pragma once

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "pages/about/filelookup.h"
#include "pages/about/programstarter.h"
#include "pages/about/sysinfolocator.h"

namespace kelvane::test {

// A file system of a few plain files, given by full path.
class FakeFileLookup : public FileLookup {
  public:
    std::string PlainFileName(const std::string& path) override {
        if (files.count(path) == 0) {
            return {};
        }
        const auto separator = path.find_last_of('\\');
        return separator == std::string::npos ? path : path.substr(separator + 1);
    }

    std::set<std::string> files;
};

// Records every program start; only the programs listed as installed start.
class RecordingStarter : public ProgramStarter {
  public:
    bool Start(const std::string& program) override {
        attempts.push_back(program);
        return installed.count(program) != 0;
    }

    std::set<std::string> installed;
    std::vector<std::string> attempts;
};

// Names the program given, or none; or fails. Counts the lookups.
class FakeSysInfoLocator : public SysInfoLocator {
  public:
    std::optional<std::string> LocateSysInfo() override {
        ++lookups;
        if (fails) {
            throw std::runtime_error("the program's record can't be read");
        }
        return program;
    }

    std::optional<std::string> program;
    bool fails = false;
    int lookups = 0;
};

}  // namespace kelvane::test
