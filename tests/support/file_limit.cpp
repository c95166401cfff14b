#include "file_limit.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vavivor {

std::string underFileSizeLimit(std::uint64_t limit, const std::function<std::string()>& act) {
    int out[2];
    if (pipe(out) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{limit, limit};
        setrlimit(RLIMIT_FSIZE, &full);
        const std::string result = act();
        const bool written =
            write(out[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    std::string result;
    char buffer[1024];
    for (ssize_t got = 0; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    waitpid(child, nullptr, 0);
    return result;
}

} // namespace vavivor
