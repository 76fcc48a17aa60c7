#include <setjmp.h>
#include <signal.h>

#include <mutex>

#include "mappedread.h"

namespace kelvane {

namespace {

// Where a fault of the thread's mapped read goes back to; null while it reads none.
thread_local sigjmp_buf* tReading = nullptr;
struct sigaction previous {};

// SA_NODEFER leaves the signal unblocked while this runs, so that jumping out of it leaves the
// thread's signal mask as it was, and the jump needs none saved.
void OnBusError(int number, siginfo_t* info, void* context) {
    if (sigjmp_buf* const reading = tReading) {
        tReading = nullptr;
        siglongjmp(*reading, 1);
    }
    // Not a mapped read: the fault goes where it went before.
    if ((previous.sa_flags & SA_SIGINFO) != 0) {
        previous.sa_sigaction(number, info, context);
    } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(number);
    } else {
        // The system's own way: returning repeats the fault, which now ends the program.
        ::signal(number, SIG_DFL);
    }
}

}  // namespace

bool ReadMapped(void (*read)(void* context), void* context) noexcept {
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &previous);
    });
    sigjmp_buf reading;
    if (sigsetjmp(reading, 0) != 0) {
        return false;  // the handler has cleared tReading
    }
    tReading = &reading;
    read(context);
    tReading = nullptr;
    return true;
}

}  // namespace kelvane
