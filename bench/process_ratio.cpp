// Times whole runs of a command against a baseline command as processes and prints
// the median time of each and the median of their ratios:
//
//   process_ratio PAIRS LABEL COMMAND BASELINE_COMMAND
//
// Both are started the same way, as `/bin/sh -c COMMAND`, so that the shell and the
// redirections cost both the same. The runs come in pairs, one of each; the pairs take
// turns in which command goes first, so that neither gains by its place. Each command
// runs once before the timing, so that its files are in the page cache. Exit statuses
// are not looked at (Omblen and Duvessa end with status 1 after a complete run): the
// caller checks once that a run writes what it should.

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

double runMilliseconds(std::string command) {
    std::string shell = "sh";
    std::string option = "-c";
    char* arguments[] = {shell.data(), option.data(), command.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, arguments, environ) != 0) {
        std::fprintf(stderr, "process_ratio: cannot start /bin/sh\n");
        std::exit(2);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            std::fprintf(stderr, "process_ratio: lost the child process\n");
            std::exit(2);
        }
    }
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int pairs = argc == 5 ? std::atoi(argv[1]) : 0;
    if (pairs < 1) {
        std::fprintf(stderr, "usage: process_ratio PAIRS LABEL COMMAND BASELINE_COMMAND\n");
        return 2;
    }
    const std::string label = argv[2];
    const std::string command = argv[3];
    const std::string baseline = argv[4];

    runMilliseconds(command);
    runMilliseconds(baseline);
    std::vector<double> times;
    std::vector<double> baselineTimes;
    std::vector<double> ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        double time = 0;
        double baselineTime = 0;
        if (pair % 2 == 0) {
            time = runMilliseconds(command);
            baselineTime = runMilliseconds(baseline);
        } else {
            baselineTime = runMilliseconds(baseline);
            time = runMilliseconds(command);
        }
        times.push_back(time);
        baselineTimes.push_back(baselineTime);
        ratios.push_back(time / baselineTime);
    }
    std::printf("%-44s %8.2f ms %8.2f ms %7.2f x\n", label.c_str(), median(times), median(baselineTimes),
                median(ratios));
    return 0;
}
