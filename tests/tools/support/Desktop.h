#pragma once

// A private X server and child processes for the companion programs' end-to-end tests.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tooltest {

inline bool HaveTool(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string paths = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = paths.find(':', start);
        const std::string dir = paths.substr(start, colon - start);
        if (access((dir + "/" + name).c_str(), X_OK) == 0)
            return true;
        if (colon == std::string::npos)
            return false;
        start = colon + 1;
    }
}

class ChildProcess {
public:
    // Starts argv[0] (a path) with the test's environment; output goes to logPath.
    ChildProcess(const std::vector<std::string>& argv, const std::string& logPath) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess() {
        if (Running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    bool Running() {
        if (pid_ <= 0 || exited_)
            return false;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exited_ = true;
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return !exited_;
    }
    int ExitCode() const { return exitCode_; }
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    int exitCode_ = -1;
};

// Xvfb on a display number it picks itself; DISPLAY is set for this process and its children.
class XvfbDisplay {
public:
    XvfbDisplay() {
        if (!HaveTool("Xvfb")) {
            whyNot = "Xvfb is not installed (scripts/setup installs it)";
            return;
        }
        int fds[2];
        if (pipe(fds) != 0) {
            whyNot = "no pipe for Xvfb";
            return;
        }
        const std::string fd = std::to_string(fds[1]);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::vector<std::string> argv = {"Xvfb", "-displayfd",   fd,          "-screen",
                                         "0",    "1280x1024x24", "-nolisten", "tcp"};
        std::vector<char*> args;
        for (std::string& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        const int rc = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (rc != 0) {
            pid_ = -1;
            close(fds[0]);
            whyNot = "Xvfb could not be started";
            return;
        }
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty()) {
            whyNot = "Xvfb did not report a display";
            return;
        }
        display_ = ":" + number;
        setenv("DISPLAY", display_.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("WAYLAND_DISPLAY");
    }
    ~XvfbDisplay() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool Ok() const { return !display_.empty(); }
    std::string whyNot;

private:
    pid_t pid_ = -1;
    std::string display_;
};

// A shell command's standard output (for xdotool).
inline std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr)
            out += buffer;
        pclose(pipe);
    }
    return out;
}

// Polls until the predicate holds; `between` runs between tries (e.g. to process Qt events).
inline bool WaitUntil(
    const std::function<bool()>& predicate, int timeoutMs,
    const std::function<void()>& between = [] {}) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        between();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace tooltest
