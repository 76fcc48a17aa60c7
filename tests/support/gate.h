#pragma once

#include <condition_variable>
#include <mutex>

namespace kelvane::test {

// A thread waits at a gate until another opens it.
class Gate {
  public:
    void Open() {
        const std::lock_guard lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }
    void Wait() {
        std::unique_lock lock(mutex_);
        opened_.wait(lock, [this] { return open_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

}  // namespace kelvane::test
