// The program against a bare Qt window painting the same picture, both
// started as processes in the runtime folder on the same display, in turn:
//
//   StartUpAgainstBareWindow  time from starting the process to the first
//                             painted picture, and the peak memory then
//   PeakMemoryAfterStartUp    the peak memory once the start-up has finished
//                             (greeting and its sound included)
//   IdleWakeupsOnStartScreen  context switches per second of all threads on
//                             the waiting start screen
//   ExitAfterTheExitItem      from the click on the exit item to the end of
//                             the process
//
// Each reports the program's figures, the bare window's and their ratio as
// counters.  Run from the build: bin/startup_compare_bench (offscreen unless
// QT_QPA_PLATFORM or DISPLAY say otherwise; under Xvfb for a real screen).
// The processes carry nothing for it: paintprobe is preloaded into them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Report {
    long long ns = -1;
    long kb = -1;
};

// One started process with the probe in it, its stdout read line by line.
class Child {
public:
    Child(const std::string& program, const std::string& mode, int settleMs) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry(*e);
            if (entry.rfind("LD_PRELOAD=", 0) != 0 && entry.rfind("VELMIR_PROBE", 0) != 0) env.push_back(entry);
        }
        env.push_back("LD_PRELOAD=" PAINT_PROBE);
        env.push_back("VELMIR_PROBE=" + mode);
        env.push_back("VELMIR_PROBE_SETTLE_MS=" + std::to_string(settleMs));
        if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) env.push_back("QT_QPA_PLATFORM=offscreen");
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);

        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, VELMIR_RUNTIME_DIR);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, out[1]);
        std::string path = program;
        char* argv[] = {path.data(), nullptr};
        started_ = monotonicNs();
        if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        out_ = out[0];
    }
    ~Child() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) close(out_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    long long started() const { return started_; }

    // The next report named `what`, or none within the time.
    Report await(const std::string& what, int timeoutMs = 30000) {
        const long long end = monotonicNs() + timeoutMs * 1000000LL;
        for (;;) {
            const size_t nl = buffer_.find('\n');
            if (nl != std::string::npos) {
                std::istringstream line(buffer_.substr(0, nl));
                buffer_.erase(0, nl + 1);
                std::string name;
                Report r;
                line >> name >> r.ns >> r.kb;
                if (name == what) return r;
                continue;
            }
            const long long left = (end - monotonicNs()) / 1000000;
            pollfd p{out_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) return {};
            char chunk[256];
            const ssize_t n = read(out_, chunk, sizeof chunk);
            if (n <= 0) return {};
            buffer_.append(chunk, static_cast<size_t>(n));
        }
    }

    // Waits for the process to end; the time it ended, or -1.
    long long awaitEnd(int timeoutMs = 30000) {
        const long long end = monotonicNs() + timeoutMs * 1000000LL;
        while (monotonicNs() < end) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                const long long at = monotonicNs();
                pid_ = -1;
                return at;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    long long started_ = 0;
    std::string buffer_;
};

// Voluntary and involuntary context switches of every thread of a process.
long long contextSwitches(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return -1;
    long long sum = 0;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream status(tasks + "/" + entry->d_name + "/status");
        std::string key;
        long long value = 0;
        while (status >> key) {
            if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
                status >> value;
                sum += value;
            }
        }
    }
    closedir(dir);
    return sum;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Either may be replaced, to compare builds: STARTUP_PROGRAM, STARTUP_BARE.
std::string programOr(const char* variable, const char* otherwise) {
    const char* set = std::getenv(variable);
    if (!set || !*set) return otherwise;
    // The processes start in the runtime folder: a relative name is made whole here.
    char* whole = realpath(set, nullptr);
    const std::string path = whole ? whole : set;
    std::free(whole);
    return path;
}
const std::string PROGRAM = programOr("STARTUP_PROGRAM", VELMIR_RUNTIME_DIR "/velmir");
const std::string BARE = programOr("STARTUP_BARE", BARE_WINDOW);

void setRatio(benchmark::State& run, const char* name, const std::vector<double>& program,
              const std::vector<double>& bare, const char* ratioName) {
    const double p = median(program), b = median(bare);
    run.counters[std::string("program_") + name] = p;
    run.counters[std::string("bare_") + name] = b;
    run.counters[ratioName] = b > 0 ? p / b : 0;
}

void StartUpAgainstBareWindow(benchmark::State& run) {
    std::vector<double> programMs, bareMs, programMb, bareMb;
    for (auto _ : run) {
        for (const std::string* which : {&BARE, &PROGRAM}) {
            Child child(*which, "paint", 0);
            const Report r = child.await("paint");
            if (r.ns < 0) {
                run.SkipWithError(("no first paint from " + *which).c_str());
                return;
            }
            const double ms = (r.ns - child.started()) / 1e6;
            (which == &PROGRAM ? programMs : bareMs).push_back(ms);
            (which == &PROGRAM ? programMb : bareMb).push_back(r.kb / 1024.0);
            if (which == &PROGRAM) run.SetIterationTime(ms / 1000);
        }
    }
    setRatio(run, "ms", programMs, bareMs, "paint_ratio");
    setRatio(run, "MB", programMb, bareMb, "memory_ratio");
}
BENCHMARK(StartUpAgainstBareWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The start timer fires 500 ms after the window is made; the greeting and
// its sound start then.
constexpr int SETTLE_MS = 1500;

void PeakMemoryAfterStartUp(benchmark::State& run) {
    std::vector<double> programMb, bareMb;
    for (auto _ : run) {
        for (const std::string* which : {&BARE, &PROGRAM}) {
            Child child(*which, "settle", SETTLE_MS);
            const Report r = child.await("settled");
            if (r.ns < 0) {
                run.SkipWithError(("no start-up from " + *which).c_str());
                return;
            }
            (which == &PROGRAM ? programMb : bareMb).push_back(r.kb / 1024.0);
        }
    }
    setRatio(run, "MB", programMb, bareMb, "memory_ratio");
}
BENCHMARK(PeakMemoryAfterStartUp)->Iterations(3)->Unit(benchmark::kMillisecond);

// After the greeting (3 s from the start timer) the mascot rests.
constexpr int IDLE_FROM_MS = 5000;
constexpr int IDLE_FOR_MS = 10000;

void IdleWakeupsOnStartScreen(benchmark::State& run) {
    std::vector<double> program, bare;
    for (auto _ : run) {
        for (const std::string* which : {&BARE, &PROGRAM}) {
            Child child(*which, "", IDLE_FROM_MS);
            if (child.await("settled").ns < 0) {
                run.SkipWithError(("no start screen from " + *which).c_str());
                return;
            }
            const long long before = contextSwitches(child.pid());
            std::this_thread::sleep_for(std::chrono::milliseconds(IDLE_FOR_MS));
            const long long after = contextSwitches(child.pid());
            (which == &PROGRAM ? program : bare).push_back((after - before) * 1000.0 / IDLE_FOR_MS);
        }
    }
    setRatio(run, "per_s", program, bare, "wakeup_ratio");
}
BENCHMARK(IdleWakeupsOnStartScreen)->Iterations(1)->Unit(benchmark::kMillisecond);

void ExitAfterTheExitItem(benchmark::State& run) {
    std::vector<double> exitMs;
    for (auto _ : run) {
        Child child(PROGRAM, "exit", SETTLE_MS);
        const Report click = child.await("click");
        const long long ended = click.ns < 0 ? -1 : child.awaitEnd();
        if (ended < 0) {
            run.SkipWithError("the program did not end after the exit item");
            return;
        }
        exitMs.push_back((ended - click.ns) / 1e6);
    }
    run.counters["exit_ms"] = median(exitMs);
}
BENCHMARK(ExitAfterTheExitItem)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
