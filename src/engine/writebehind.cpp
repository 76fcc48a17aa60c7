#include "writebehind.h"

#include <utility>

#include "lineends.h"

namespace kelvane {

WriteBehind::WriteBehind(std::size_t bufferSize, std::size_t behind, Write write)
    : write_(std::move(write)) {
    for (std::size_t i = 0; i <= behind; ++i) {
        buffers_.push_back(std::make_unique_for_overwrite<char[]>(bufferSize));
        free_.push_back(buffers_.back().get());
    }
}

WriteBehind::~WriteBehind() {
    if (thread_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        filled_.notify_one();
        thread_.join();
    }
}

char* WriteBehind::First() {
    const std::lock_guard lock(mutex_);
    char* const buffer = free_.back();
    free_.pop_back();
    return buffer;
}

void WriteBehind::Raise() const {
    if (failure_) {
        std::rethrow_exception(failure_);
    }
}

char* WriteBehind::Pass(const Piece& piece) {
    std::unique_lock lock(mutex_);
    Raise();
    if (piece.size == 0) {
        free_.push_back(piece.data);
    } else {
        // The thread first: when it can't be started, nothing is left waiting for it.
        if (!thread_.joinable()) {
            thread_ = std::thread([this] { Run(); });
        }
        waiting_.push_back(piece);
        filled_.notify_one();
    }
    freed_.wait(lock, [this] { return !free_.empty() || failure_; });
    Raise();
    char* const buffer = free_.back();
    free_.pop_back();
    return buffer;
}

void WriteBehind::Wait() {
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [this] { return (waiting_.empty() && !busy_) || failure_; });
    Raise();
}

bool WriteBehind::DropPartLine() {
    const std::lock_guard lock(mutex_);
    for (; !waiting_.empty(); waiting_.pop_back()) {
        Piece& last = waiting_.back();
        if (const std::size_t whole = last.lineEnded ? AfterLastLineEnd(last.data, last.size) : 0;
            whole != 0) {
            last.size = whole;
            return true;
        }
        free_.push_back(last.data);
    }
    return false;
}

void WriteBehind::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        filled_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
        if (stopping_) {
            return;
        }
        const Piece piece = waiting_.front();
        waiting_.pop_front();
        busy_ = true;
        lock.unlock();
        std::exception_ptr failure;
        try {
            write_(piece);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        busy_ = false;
        free_.push_back(piece.data);
        if (failure) {
            failure_ = failure;
            for (const Piece& dropped : waiting_) {
                free_.push_back(dropped.data);
            }
            waiting_.clear();
        }
        freed_.notify_one();
        if (failure) {
            return;
        }
    }
}

}  // namespace kelvane
