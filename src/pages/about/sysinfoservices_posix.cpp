#include <cstdlib>
#include <string>
#include <vector>

#include "findonpath.h"
#include "memoryregistry.h"
#include "sysinfolauncher.h"
#include "sysinfoservices.h"
#include "systemfilelookup.h"
#include "systemprogramstarter.h"

namespace kelvane {

namespace {

// A registry in memory that records the system-information program found on PATH, looked for
// afresh whenever a key is opened while none is: every launch finds what is installed then.
class SearchedRegistry : public Registry {
  public:
    std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegKey& result) override {
        if (memory_.OpenKeyCount() == 0) {
            memory_ = MemoryRegistry();
            const char* folders = std::getenv("PATH");
            const std::string program = FindOnPath({"hardinfo2", "hardinfo", "kinfocenter"},
                                                   folders != nullptr ? folders : "");
            if (!program.empty()) {
                memory_.SetString(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, program);
            }
        }
        return memory_.OpenKeyEx(root, subKey, options, access, result);
    }

    std::int32_t QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& dataSize) override {
        return memory_.QueryValueEx(key, valueName, type, data, dataSize);
    }

    std::int32_t CloseKey(RegKey key) override { return memory_.CloseKey(key); }

  private:
    MemoryRegistry memory_;
};

}  // namespace

SysInfoServices PlatformSysInfoServices() {
    return {std::make_unique<SearchedRegistry>(), std::make_unique<SystemFileLookup>(),
            std::make_unique<SystemProgramStarter>()};
}

}  // namespace kelvane
