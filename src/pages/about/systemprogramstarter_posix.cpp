#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "startdetached.h"
#include "systemprogramstarter.h"

extern char** environ;

namespace kelvane {

bool SystemProgramStarter::Start(const std::string& program) {
    return StartDetached(program, {});
}

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) {
        return false;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    // The attributes are made before the fork, so that the go-between, a child of a program
    // with several threads, does nothing but start the program and leave.
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        return false;
    }
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    // A short-lived go-between starts the program in a session of its own and leaves at once,
    // so the program passes to the system, leaves no zombie behind and is never waited for.
    // The go-between's exit code tells whether the program could be started: posix_spawn
    // reports a program that can't be executed.
    const pid_t between = fork();
    if (between == 0) {
        pid_t child = 0;
        _exit(posix_spawn(&child, program.c_str(), nullptr, &attributes, argv.data(), environ) == 0
                  ? 0
                  : 1);
    }
    posix_spawnattr_destroy(&attributes);
    if (between < 0) {
        return false;
    }

    int status = 0;
    while (waitpid(between, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kelvane
