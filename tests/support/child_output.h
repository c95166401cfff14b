#pragma once

#include <algorithm>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vavivor {

// A test program started with its standard output in a pipe, for the tests that kill a copy of
// the program while it works. For GoogleTest programs only.
class ChildOutput {
public:
    explicit ChildOutput(std::vector<std::string> args) {
        int out[2];
        EXPECT_EQ(pipe2(out, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        m_out = out[0];
    }
    ChildOutput(const ChildOutput&) = delete;
    ChildOutput& operator=(const ChildOutput&) = delete;
    ~ChildOutput() { close(m_out); }

    void kill() const { ::kill(m_pid, SIGKILL); }

    // Reads standard output until it holds `lines` lines; without a count, to its end, and then
    // waits for the program to end.
    std::string read(long lines = -1) const {
        std::string text;
        std::array<char, 4096> buffer{};
        for (ssize_t got = 0; (lines < 0 || std::count(text.begin(), text.end(), '\n') < lines) &&
                              (got = ::read(m_out, buffer.data(), buffer.size())) > 0;) {
            text.append(buffer.data(), static_cast<std::size_t>(got));
        }
        if (lines < 0) {
            waitpid(m_pid, nullptr, 0);
        }
        return text;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
};

} // namespace vavivor
