// Times a program's start-up from the outside, the same way for every program: from just before
// fork until the X server reports the first drawing into one of its mapped top-level windows.
// Needs its own X server with no window manager (run it under xvfb-run), so every window the
// program creates is a child of the root and nothing else draws there.
//
//   yarno_startup_probe [--pairs N] [--warmup W] [--runs FILE] [--term] NAME=COMMAND ...
//
// COMMAND is a program and its arguments, separated by spaces. Runs the commands in turn, W
// rounds unrecorded and then N rounds, and prints one line per command: name, runs, median wall
// ms, median CPU ms (user+sys), median peak RSS KiB, median ms until mapped. Peak RSS is the
// kernel's ru_maxrss from wait4, the figure /usr/bin/time -v shows as "Maximum resident set
// size". The program is killed as soon as it has painted: its end is not part of its start-up.
// --term ends it with SIGTERM instead of SIGKILL, so a profiler it runs under can still write
// its profile.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string name;
    std::vector<std::string> command;
};

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        result.push_back(text.substr(at, end - at));
        at = end;
    }
    return result;
}

struct Run {
    double wallMs = 0;
    double mapMs = 0;
    double cpuMs = 0;
    long maxRssKib = 0;
};

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double toMs(const timeval& tv)
{
    return double(tv.tv_sec) * 1e3 + double(tv.tv_usec) / 1e3;
}

[[noreturn]] void die(const std::string& message)
{
    std::fprintf(stderr, "yarno_startup_probe: %s\n", message.c_str());
    std::exit(2);
}

class Display {
public:
    explicit Display(int endSignal)
        : endSignal_(endSignal)
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            die("cannot connect to the X server (is DISPLAY set?)");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || !damage->present)
            die("the X server has no DAMAGE extension");
        damageEvent_ = uint8_t(damage->first_event + XCB_DAMAGE_NOTIFY);
        // The extension refuses every other request until the client has said its version.
        std::free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Starts the program and returns once it has painted a mapped top-level window, or fails.
    Run measure(const Program& program)
    {
        drain();
        std::set<xcb_window_t> created;
        std::set<xcb_window_t> mapped;
        Run run;

        const double start = nowMs();
        const pid_t child = fork();
        if (child < 0)
            die("fork failed");
        if (child == 0) {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            std::vector<char*> argv;
            for (const std::string& word : program.command)
                argv.push_back(const_cast<char*>(word.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            std::fprintf(stderr, "yarno_startup_probe: cannot run %s: %s\n", argv[0], std::strerror(errno));
            _exit(127);
        }

        bool painted = false;
        while (!painted) {
            const double elapsed = nowMs() - start;
            if (elapsed > 30000)
                finish(child, program, "did not paint a window within 30 s");
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(connection_), &std::free);
            if (!event) {
                if (xcb_connection_has_error(connection_))
                    die("lost the X server");
                int status = 0;
                if (waitpid(child, &status, WNOHANG) == child)
                    die(program.name + " ended before it painted a window");
                pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
                poll(&fd, 1, 100);
                continue;
            }
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* creation = reinterpret_cast<const xcb_create_notify_event_t*>(event.get());
                if (creation->parent != root_)
                    continue;
                // Watched from its creation, so no drawing can slip by between its map and our
                // request. Input-only windows refuse it with an error, which is ignored below.
                const xcb_damage_damage_t damage = xcb_generate_id(connection_);
                xcb_damage_create(connection_, damage, creation->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
                created.insert(creation->window);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                if (map->event == root_ && created.contains(map->window) && !map->override_redirect) {
                    if (mapped.empty())
                        run.mapMs = nowMs() - start;
                    mapped.insert(map->window);
                }
            } else if (type == damageEvent_) {
                const auto* damage = reinterpret_cast<const xcb_damage_notify_event_t*>(event.get());
                if (mapped.contains(damage->drawable)) {
                    run.wallMs = nowMs() - start;
                    painted = true;
                }
            }
        }

        kill(child, endSignal_);
        int status = 0;
        rusage usage{};
        while (wait4(child, &status, 0, &usage) < 0) {
            if (errno != EINTR)
                die("wait4 failed");
        }
        run.cpuMs = toMs(usage.ru_utime) + toMs(usage.ru_stime);
        run.maxRssKib = usage.ru_maxrss;
        return run;
    }

private:
    // Throws away what the previous run left: its windows' destruction, errors for its damage.
    void drain()
    {
        std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    [[noreturn]] void finish(pid_t child, const Program& program, const std::string& problem)
    {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        die(program.name + " " + problem);
    }

    int endSignal_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
};

template <typename T, typename Field>
double median(const std::vector<T>& runs, Field field)
{
    std::vector<double> values;
    for (const T& run : runs)
        values.push_back(double(field(run)));
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int count(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 10000)
        die(std::string("not a count: ") + text);
    return int(value);
}

}  // namespace

int main(int argc, char** argv)
{
    int pairs = 15;
    int warmup = 2;
    const char* runsFile = nullptr;
    int endSignal = SIGKILL;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pairs" && i + 1 < argc)
            pairs = count(argv[++i]);
        else if (arg == "--warmup" && i + 1 < argc)
            warmup = count(argv[++i]);
        else if (arg == "--runs" && i + 1 < argc)
            runsFile = argv[++i];
        else if (arg == "--term")
            endSignal = SIGTERM;
        else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0 && !words(arg.substr(eq + 1)).empty())
            programs.push_back({arg.substr(0, eq), words(arg.substr(eq + 1))});
        else
            die("usage: yarno_startup_probe [--pairs N] [--warmup W] [--runs FILE] [--term] NAME=COMMAND ...");
    }
    if (programs.empty() || pairs == 0)
        die("nothing to run");

    FILE* runsOut = nullptr;
    if (runsFile != nullptr) {
        runsOut = std::fopen(runsFile, "w");
        if (runsOut == nullptr)
            die(std::string("cannot write ") + runsFile);
        std::fprintf(runsOut, "round\tprogram\twall_ms\tmap_ms\tcpu_ms\tmax_rss_kib\n");
    }

    Display display(endSignal);
    std::vector<std::vector<Run>> results(programs.size());
    for (int round = -warmup; round < pairs; ++round) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Run run = display.measure(programs[p]);
            if (round < 0)
                continue;
            results[p].push_back(run);
            if (runsOut != nullptr)
                std::fprintf(runsOut, "%d\t%s\t%.2f\t%.2f\t%.2f\t%ld\n", round, programs[p].name.c_str(), run.wallMs,
                             run.mapMs, run.cpuMs, run.maxRssKib);
        }
    }
    if (runsOut != nullptr)
        std::fclose(runsOut);

    std::printf("program\truns\twall_ms\tcpu_ms\tmax_rss_kib\tmap_ms\n");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const auto& runs = results[p];
        std::printf("%s\t%zu\t%.2f\t%.2f\t%.0f\t%.2f\n", programs[p].name.c_str(), runs.size(),
                    median(runs, [](const Run& r) { return r.wallMs; }), median(runs, [](const Run& r) { return r.cpuMs; }),
                    median(runs, [](const Run& r) { return r.maxRssKib; }), median(runs, [](const Run& r) { return r.mapMs; }));
    }
    return 0;
}
