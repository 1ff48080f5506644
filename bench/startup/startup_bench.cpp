// Starts Halvex (without its splash wait) and a bare Qt window many times each,
// in turn, and compares the median time from process start to the window shown
// and idle, and the median peak memory. Both read and write their settings in
// a folder made for the run and removed after it, so the user's stay untouched.
// What the probes print on their error stream is not shown. 101 runs each
// unless told otherwise: the fastest of fewer depends too much on luck.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double megabytes;
    double cpuMilliseconds;
};

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

bool runProbe(const char *path, const std::string &settings, Sample &sample)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const std::string start = std::to_string(monotonicNanoseconds());
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        setenv("HALVEX_PROBE_START_NS", start.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0)
            dup2(quiet, STDERR_FILENO);
        execl(path, path, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[128] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long long nanoseconds = 0;
    long long kilobytes = 0;
    long long cpu = 0;
    if (got <= 0 || std::sscanf(buffer, "%lld %lld %lld", &nanoseconds, &kilobytes, &cpu) != 3 || nanoseconds < 0)
        return false;
    sample = {nanoseconds / 1e6, kilobytes / 1024.0, cpu / 1e3};
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double fastest(const std::vector<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
    std::string settings = (std::filesystem::temp_directory_path() / "halvex-startup-XXXXXX").string();
    if (!mkdtemp(settings.data())) {
        std::perror("startup_bench: a settings folder");
        return 1;
    }
    std::vector<double> halvexTimes, bareTimes, halvexMemory, bareMemory, halvexCpu, bareCpu;
    for (int i = 0; i < runs; ++i) {
        Sample halvex{}, bare{};
        if (!runProbe(HALVEX_PROBE, settings, halvex) || !runProbe(BARE_PROBE, settings, bare)) {
            std::fprintf(stderr, "a start-up probe failed\n");
            std::filesystem::remove_all(settings);
            return 1;
        }
        halvexTimes.push_back(halvex.milliseconds);
        bareTimes.push_back(bare.milliseconds);
        halvexMemory.push_back(halvex.megabytes);
        bareMemory.push_back(bare.megabytes);
        halvexCpu.push_back(halvex.cpuMilliseconds);
        bareCpu.push_back(bare.cpuMilliseconds);
    }
    std::filesystem::remove_all(settings);
    // The fastest run shows the cost with the least disturbance from the rest of the machine.
    const double ht = median(halvexTimes), bt = median(bareTimes);
    const double hf = fastest(halvexTimes), bf = fastest(bareTimes);
    const double hm = median(halvexMemory), bm = median(bareMemory);
    const double hc = median(halvexCpu), bc = median(bareCpu);
    std::printf("start-up to window shown and idle, %d runs each, in turn (offscreen):\n", runs);
    std::printf("               median     fastest    processor  peak memory\n");
    std::printf("  halvex       %7.1f ms %7.1f ms %7.1f ms %7.1f MB\n", ht, hf, hc, hm);
    std::printf("  bare window  %7.1f ms %7.1f ms %7.1f ms %7.1f MB\n", bt, bf, bc, bm);
    std::printf("  ratio        %7.2f x  %7.2f x  %7.2f x  %7.2f x\n", ht / bt, hf / bf, hc / bc, hm / bm);
    return 0;
}
