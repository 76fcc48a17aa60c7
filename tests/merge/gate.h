#pragma once

#include <latch>
#include <mutex>

namespace kelvane::test {

// A thread waits at a gate until another opens it; opening it again changes nothing.
class Gate {
  public:
    void Open() {
        std::call_once(once_, [this] { latch_.count_down(); });
    }
    void Wait() { latch_.wait(); }

  private:
    std::once_flag once_;
    std::latch latch_{1};
};

}  // namespace kelvane::test
