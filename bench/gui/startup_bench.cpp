// Start-up time and peak memory of the program against a minimal Qt Widgets window.
//
// Both harnesses run alternately on the same Qt platform, each in a throwaway home so that
// neither the update reminder's setting nor the single-instance lock of a real user is
// touched. Start-up is the time from just before the process is spawned to the moment the
// child reports its first paint; peak memory is the child's maximum resident set size as the
// kernel reports it when the child is reaped.
//
//     startup_bench [runs] [platform]      (defaults: 25 runs each, offscreen)
//     startup_bench runs xcb --until-map
//     startup_bench runs platform --under <emulator...> -- <program harness> <minimal harness>
//
// The second form ends a start when the X server maps the child's window, as someone watching
// the screen sees it, rather than when Qt has painted it: the time that a user waits for a
// window to appear at all. It needs an X display (DISPLAY), such as Xvfb's.
//
// The third form starts harnesses of another build through an emulator, such as the Windows
// build's under Wine. A child's clock there need not be ours, so a start ends when its painted
// line reaches us; the emulator's own start-up counts for both harnesses alike.

#include "bench/gui/first_paint.h"
#include "bench/gui/statistics.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Harness {
    const char* label;
    std::string path;
    std::vector<double> milliseconds;
    std::vector<double> peakMebibytes;
};

struct Run {
    double milliseconds;
    double peakMebibytes;
};

// A home of its own for the children, thrown away at the end. The runtime directory, where the
// single-instance lock lives, is on a memory file system as a desktop session's is; on a disk
// the lock's sync to disk would be measured instead of the program.
class ThrowawayHome {
public:
    ThrowawayHome() : home_(makeFolder(std::filesystem::temp_directory_path())) {
        if (home_.empty()) {
            return;
        }
        const std::filesystem::path memory("/dev/shm");
        runtime_ = makeFolder(std::filesystem::is_directory(memory) ? memory : home_);
        for (const char* folder : {"config", "cache", "data"}) {
            std::filesystem::create_directory(home_ / folder);
        }
    }
    ~ThrowawayHome() {
        std::error_code ignored;
        std::filesystem::remove_all(runtime_, ignored);
        std::filesystem::remove_all(home_, ignored);
    }
    ThrowawayHome(const ThrowawayHome&) = delete;
    ThrowawayHome& operator=(const ThrowawayHome&) = delete;

    bool isValid() const { return !home_.empty() && !runtime_.empty(); }
    const std::filesystem::path& home() const { return home_; }
    std::filesystem::path errorLog() const { return home_ / "stderr.log"; }

    // The variables that point a Qt program at this home.
    std::vector<std::string> variables() const {
        return {"HOME=" + home_.string(), "XDG_CONFIG_HOME=" + (home_ / "config").string(),
                "XDG_CACHE_HOME=" + (home_ / "cache").string(),
                "XDG_DATA_HOME=" + (home_ / "data").string(),
                "XDG_RUNTIME_DIR=" + runtime_.string()};
    }

private:
    // Private to this user (Qt refuses a runtime directory that others may read).
    static std::filesystem::path makeFolder(const std::filesystem::path& parent) {
        std::string pattern = (parent / "fsc-startup-XXXXXX").string();
        return mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern)
                                                  : std::filesystem::path();
    }

    std::filesystem::path home_;
    std::filesystem::path runtime_;
};

// The environment of this process with the platform and the throwaway home put in.
class ChildEnvironment {
public:
    ChildEnvironment(const std::string& platform, const ThrowawayHome& home) {
        std::vector<std::string> overrides = home.variables();
        overrides.push_back("QT_QPA_PLATFORM=" + platform);
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string entry(*variable);
            const std::string name = entry.substr(0, entry.find('=') + 1);
            const bool overridden = std::ranges::any_of(
                overrides, [&name](const std::string& o) { return o.starts_with(name); });
            if (!overridden) {
                entries_.push_back(entry);
            }
        }
        entries_.insert(entries_.end(), overrides.begin(), overrides.end());
        for (std::string& entry : entries_) {
            pointers_.push_back(entry.data());
        }
        pointers_.push_back(nullptr);
    }

    char* const* get() const { return pointers_.data(); }

private:
    std::vector<std::string> entries_;
    std::vector<char*> pointers_;
};

// Watches the X display for top-level windows being mapped. One connection serves every run:
// Xvfb now and then refuses a connection opened anew for each.
class MapWatch {
public:
    MapWatch() : display_(XOpenDisplay(nullptr)) {
        if (display_ != nullptr) {
            XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
            XSync(display_, False);
        }
    }
    ~MapWatch() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    bool isValid() const { return display_ != nullptr; }

    // Called before a child is spawned, so that only its own window ends the wait.
    void forgetEarlierMaps() {
        if (isValid()) {
            XSync(display_, True);
        }
    }

    // The moment the server reported the map, or nothing if no window came within the limit.
    std::optional<long long> waitForMap() {
        constexpr int kLimitMilliseconds = 30000;
        const long long deadline = bench::monotonicNanoseconds() + kLimitMilliseconds * 1000000LL;
        while (isValid()) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == MapNotify) {
                    return bench::monotonicNanoseconds();
                }
            }
            const long long left = (deadline - bench::monotonicNanoseconds()) / 1000000LL;
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            if (left <= 0 || poll(&connection, 1, static_cast<int>(left)) <= 0) {
                break;
            }
        }
        return std::nullopt;
    }

private:
    Display* display_;
};

// The child's painted time, read from its standard output, on its own clock or, for an
// emulated child, on ours as the line arrives; nothing if it never says.
std::optional<long long> readPaintedTime(int output, bool emulated) {
    std::string text;
    char buffer[256];
    ssize_t count = 0;
    std::optional<long long> arrived;
    while ((count = read(output, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(count));
        if (!arrived && text.find(bench::kPaintedLine) != std::string::npos) {
            arrived = bench::monotonicNanoseconds();
        }
    }
    const std::size_t at = text.find(bench::kPaintedLine);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return emulated ? arrived
                    : std::atoll(text.c_str() + at + std::string_view(bench::kPaintedLine).size());
}

// Qt's warnings go to a log, read only when a child fails.
std::optional<Run> runOnce(const std::string& path, const std::vector<std::string>& emulator,
                           const ChildEnvironment& environment,
                           const std::filesystem::path& errorLog, MapWatch* mapWatch) {
    if (mapWatch != nullptr) {
        mapWatch->forgetEarlierMaps();
    }
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorLog.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, S_IRUSR | S_IWUSR);
    std::vector<std::string> command = emulator;
    command.push_back(path);
    std::vector<char*> arguments;
    arguments.reserve(command.size() + 1);
    for (std::string& word : command) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);

    const long long started = bench::monotonicNanoseconds();
    pid_t child = 0;
    const int failed = posix_spawn(&child, arguments.front(), &actions, nullptr, arguments.data(),
                                   environment.get());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed != 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    const std::optional<long long> mapped =
        mapWatch != nullptr ? mapWatch->waitForMap() : std::optional<long long>();
    // The child is let run to its first paint even when the map ends the measurement, so that
    // it ends as it always does and leaves no lock behind for the next start to take over.
    const std::optional<long long> painted = readPaintedTime(pipeEnds[0], !emulator.empty());
    close(pipeEnds[0]);
    const std::optional<long long> ended = mapWatch != nullptr ? mapped : painted;

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!painted || !ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    constexpr double kNanosecondsPerMillisecond = 1e6;
    constexpr double kKibibytesPerMebibyte = 1024.0;
    return Run{static_cast<double>(*ended - started) / kNanosecondsPerMillisecond,
               static_cast<double>(usage.ru_maxrss) / kKibibytesPerMebibyte};
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 25;
    const std::string platform = argc > 2 ? argv[2] : "offscreen";
    const std::vector<std::string> rest(argv + std::min(argc, 3), argv + argc);
    std::vector<std::string> emulator;
    std::string programPath = FSC_PROGRAM_HARNESS;
    std::string minimalPath = FSC_MINIMAL_HARNESS;
    const bool untilMap = rest.size() == 1 && rest.front() == "--until-map" && platform == "xcb";
    if (!rest.empty() && !untilMap) {
        const auto separator = std::ranges::find(rest, "--");
        if (rest.front() != "--under" || separator == rest.end() || rest.end() - separator != 3) {
            runs = 0;
        } else {
            emulator.assign(rest.begin() + 1, separator);
            programPath = separator[1];
            minimalPath = separator[2];
        }
    }
    const ThrowawayHome home;
    std::optional<MapWatch> mapWatch;
    if (untilMap) {
        mapWatch.emplace();
    }
    if (runs < 1 || !home.isValid() || (mapWatch && !mapWatch->isValid())) {
        std::fprintf(stderr, "usage: startup_bench [runs] [platform] "
                             "[--under <emulator...> -- <program> <minimal>]\n"
                             "       startup_bench runs xcb --until-map\n");
        return 2;
    }
    const ChildEnvironment environment(platform, home);
    Harness minimal{"minimal Qt window", minimalPath, {}, {}};
    Harness program{"the program", programPath, {}, {}};

    const auto start = [&](Harness& harness, bool measured) {
        const std::optional<Run> run = runOnce(harness.path, emulator, environment, home.errorLog(),
                                               mapWatch ? &*mapWatch : nullptr);
        if (!run) {
            std::ifstream log(home.errorLog());
            std::fprintf(stderr, "startup_bench: %s did not report its first map and paint\n%s",
                         harness.path.c_str(),
                         std::string(std::istreambuf_iterator<char>(log), {}).c_str());
            return false;
        }
        if (measured) {
            harness.milliseconds.push_back(run->milliseconds);
            harness.peakMebibytes.push_back(run->peakMebibytes);
        }
        return true;
    };
    // One unmeasured start of each fills the file cache and writes the program's first setting,
    // so that every measured start is an ordinary one. Then AB BA AB ..., so that neither
    // always goes first.
    for (int round = -1; round < runs; ++round) {
        const bool minimalFirst = round % 2 == 0;
        Harness& first = minimalFirst ? minimal : program;
        Harness& second = minimalFirst ? program : minimal;
        if (!start(first, round >= 0) || !start(second, round >= 0)) {
            return 1;
        }
    }

    // Seen from outside, a window that maps within 1.22 times the empty window's time is as
    // quick as the program's controls allow; to the first paint the older, stricter goal stays.
    const double kStartUpCeiling = untilMap ? 1.22 : 1.15;
    const double kMemoryCeiling = untilMap ? 1.16 : 1.25;
    const double minimalTime = bench::median(minimal.milliseconds);
    const double programTime = bench::median(program.milliseconds);
    const double minimalMemory = bench::median(minimal.peakMebibytes);
    const double programMemory = bench::median(program.peakMebibytes);
    std::printf("Start-up to the first %s, Qt platform \"%s\", median of %d alternating runs "
                "each\n",
                untilMap ? "map" : "paint", platform.c_str(), runs);
    for (const Harness* harness : {&minimal, &program}) {
        std::printf("  %-18s %7.1f ms   peak RSS %6.1f MiB\n", harness->label,
                    bench::median(harness->milliseconds), bench::median(harness->peakMebibytes));
    }
    std::printf("  start-up ratio %.2f (target at most %.2f): %s\n", programTime / minimalTime,
                kStartUpCeiling, bench::verdict(programTime / minimalTime, kStartUpCeiling));
    std::printf("  memory ratio   %.2f (target at most %.2f): %s\n", programMemory / minimalMemory,
                kMemoryCeiling, bench::verdict(programMemory / minimalMemory, kMemoryCeiling));
    return 0;
}
