#include "platform/Processes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trumbel {

namespace {

std::vector<char*> Argv(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

// Runs in the child after fork: only calls that are safe there. A failed exec sends its errno
// through the pipe, which an exec that succeeds closes.
[[noreturn]] void Exec(char* const* argv, const char* folder, int errorPipe) {
    int error = 0;
    if (folder && ::chdir(folder) != 0) {
        error = errno;
    } else {
        ::execvp(argv[0], argv);
        error = errno;
    }
    [[maybe_unused]] const auto written = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
}

// What the child's exec reported: "" when the pipe closed without a word.
std::string ExecResult(int readEnd) {
    int error = 0;
    ssize_t got;
    do {
        got = ::read(readEnd, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(readEnd);
    return got == static_cast<ssize_t>(sizeof error) ? std::strerror(error) : std::string();
}

void WaitFor(pid_t pid) {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

std::string StartDetached(const std::vector<std::string>& command, const std::string& folder) {
    if (command.empty()) {
        return std::strerror(EINVAL);
    }
    std::vector<char*> argv = Argv(command);
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return std::strerror(errno);
    }
    const char* where = folder.empty() ? nullptr : folder.c_str();
    const pid_t middle = ::fork();
    if (middle == 0) {
        // A session of its own, and a parent that ends at once: init collects the program.
        ::setsid();
        if (::fork() == 0) {
            Exec(argv.data(), where, pipeEnds[1]);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    if (middle < 0) {
        const std::string why = std::strerror(errno);
        ::close(pipeEnds[0]);
        return why;
    }
    WaitFor(middle);
    return ExecResult(pipeEnds[0]);
}

int StartChild(const std::vector<std::string>& command, std::string& why) {
    if (command.empty()) {
        why = std::strerror(EINVAL);
        return -1;
    }
    std::vector<char*> argv = Argv(command);
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        why = std::strerror(errno);
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        Exec(argv.data(), nullptr, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    if (pid < 0) {
        why = std::strerror(errno);
        ::close(pipeEnds[0]);
        return -1;
    }
    why = ExecResult(pipeEnds[0]);
    if (!why.empty()) {
        WaitFor(pid);
        return -1;
    }
    return pid;
}

std::optional<int> ChildExit(int pid) {
    int status = 0;
    pid_t done;
    do {
        done = ::waitpid(pid, &status, WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done == 0) {
        return std::nullopt;
    }
    if (done < 0) {
        return 127; // not ours to collect any more: nothing will tell how it ended
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace trumbel
