#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvane {

// Writes filled buffers out in the order they were filled, on a thread of its own, while the
// caller fills the next: a fixed set of buffers, so that filling waits while all the others are
// waiting to be written or being written. The thread starts with the first buffer passed on, and
// is stopped and joined when the object goes. A failure to write stops the writing at once: the
// buffers still waiting are dropped, and the failure is raised to the caller from then on.
class WriteBehind {
  public:
    // Some bytes to write: the start of one of the buffers, how many, and whether a LF may be
    // among them.
    struct Piece {
        char* data;
        std::size_t size;
        bool lineEnded;
    };
    // Writes one piece out, on the thread, one piece after another.
    using Write = std::function<void(const Piece&)>;

    // `behind` buffers may be passed on while the caller fills one more; each holds `bufferSize`
    // bytes.
    WriteBehind(std::size_t bufferSize, std::size_t behind, Write write);
    // Stops after the piece being written, dropping the ones waiting, and joins the thread.
    ~WriteBehind();
    WriteBehind(const WriteBehind&) = delete;
    WriteBehind& operator=(const WriteBehind&) = delete;

    // The buffer to fill first.
    char* First();
    // Passes a filled buffer on to be written and returns an empty one, waiting while there is
    // none. Raises what writing an earlier piece raised, passing nothing on.
    char* Pass(const Piece& piece);
    // Waits until every piece passed on is written, or writing has failed; raises the failure.
    void Wait();
    // Takes back what the pieces still waiting hold after their last line end: trims the last
    // piece that holds one, and drops the pieces after it. False when none holds one, all of
    // them dropped: what follows the last line end may then have been written already.
    bool DropPartLine();

  private:
    void Run();
    // Raises the failure once it is known; the lock is held.
    void Raise() const;

    Write write_;
    std::vector<std::unique_ptr<char[]>> buffers_;
    std::mutex mutex_;
    // Plain condition variables, and a flag of their own to stop: with std::jthread's stop token
    // and std::condition_variable_any, the thread was seen to hang now and then under wine
    // (mingw-w64's posix threads).
    std::condition_variable filled_;  // a piece waits to be written, or the thread is to stop
    std::condition_variable freed_;   // a buffer came free, or writing failed
    std::deque<Piece> waiting_;
    std::vector<char*> free_;
    bool busy_ = false;      // a piece is being written
    bool stopping_ = false;  // the object is going
    std::exception_ptr failure_;
    std::thread thread_;
};

}  // namespace kelvane
