// Start-up benchmark: launches the real application on the current X display
// and prints how long its main window takes to appear and how much CPU it
// uses while idle afterwards. Figures are printed, never judged.
//
//   xy_startup_bench <path to xuanyinfang> [launches]
//
// The application folder is copied to a temporary folder first, so every
// measurement starts from an empty 数据库 and the build's own folder is untouched.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr auto kShowTimeout = 30s;
constexpr auto kSettle = 2s;   // start-up work still running just after the window shows
constexpr auto kIdle = 10s;
constexpr double kIdleTarget = 0.5;  // % of one core

double msSince(Clock::time_point t0, Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(t - t0).count();
}

// Top-level windows of one process, as an X client sees them.
class WindowWatch {
public:
    struct Window {
        xcb_window_t id = 0;
        bool viewable = false;
        bool splash = false;
        int area = 0;
        std::string title;
    };

    WindowWatch()
    {
        conn_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        pidAtom_ = atom("_NET_WM_PID");
        typeAtom_ = atom("_NET_WM_WINDOW_TYPE");
        splashAtom_ = atom("_NET_WM_WINDOW_TYPE_SPLASH");
        nameAtom_ = atom("_NET_WM_NAME");
        utf8Atom_ = atom("UTF8_STRING");
    }
    ~WindowWatch() { xcb_disconnect(conn_); }

    bool ok() const { return !xcb_connection_has_error(conn_); }

    // Managed (not override-redirect) top-level windows of pid. A reparenting
    // window manager puts them one or two levels below the root.
    std::vector<Window> windowsOf(pid_t pid)
    {
        std::vector<Window> found;
        walk(root_, pid, 0, found);
        return found;
    }

private:
    xcb_atom_t atom(const char *name)
    {
        auto *r = xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, std::strlen(name), name),
                                        nullptr);
        xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(r);
        return a;
    }

    std::optional<std::string> property(xcb_window_t w, xcb_atom_t prop, xcb_atom_t type)
    {
        auto *r = xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, w, prop, type, 0, 1024), nullptr);
        if (!r || r->type == XCB_ATOM_NONE) {
            free(r);
            return std::nullopt;
        }
        std::string value(static_cast<const char *>(xcb_get_property_value(r)),
                          xcb_get_property_value_length(r) * (r->format / 8));
        free(r);
        return value;
    }

    void walk(xcb_window_t parent, pid_t pid, int depth, std::vector<Window> &found)
    {
        auto *tree = xcb_query_tree_reply(conn_, xcb_query_tree(conn_, parent), nullptr);
        if (!tree)
            return;
        const xcb_window_t *children = xcb_query_tree_children(tree);
        const int n = xcb_query_tree_children_length(tree);
        for (int i = 0; i < n; ++i) {
            const xcb_window_t w = children[i];
            auto wpid = property(w, pidAtom_, XCB_ATOM_CARDINAL);
            if (wpid && wpid->size() >= 4 && *reinterpret_cast<const uint32_t *>(wpid->data()) == uint32_t(pid)) {
                auto *attr = xcb_get_window_attributes_reply(
                    conn_, xcb_get_window_attributes(conn_, w), nullptr);
                auto *geo = xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, w), nullptr);
                if (attr && geo && !attr->override_redirect) {
                    Window win;
                    win.id = w;
                    win.viewable = attr->map_state == XCB_MAP_STATE_VIEWABLE;
                    win.area = geo->width * geo->height;
                    auto types = property(w, typeAtom_, XCB_ATOM_ATOM);
                    if (types) {
                        for (size_t k = 0; k + 4 <= types->size(); k += 4)
                            if (*reinterpret_cast<const uint32_t *>(types->data() + k) == splashAtom_)
                                win.splash = true;
                    }
                    win.title = property(w, nameAtom_, utf8Atom_).value_or("");
                    found.push_back(win);
                }
                free(attr);
                free(geo);
            } else if (depth < 2) {
                walk(w, pid, depth + 1, found);
            }
        }
        free(tree);
    }

    xcb_connection_t *conn_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0, typeAtom_ = 0, splashAtom_ = 0, nameAtom_ = 0, utf8Atom_ = 0;
};

// utime + stime of all the process's threads, in seconds.
double cpuSeconds(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    // Fields after the command name (which may hold blanks) start at field 3.
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::vector<std::string> fields;
    std::string field;
    for (char c : line.substr(close + 2)) {
        if (c == ' ') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    if (fields.size() < 13)
        return 0;
    const double ticks = std::stod(fields[11]) + std::stod(fields[12]);  // fields 14, 15
    return ticks / double(sysconf(_SC_CLK_TCK));
}

double residentMegabytes(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (in >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            in >> kb;
            return kb / 1024.0;
        }
        in.ignore(1 << 16, '\n');
    }
    return 0;
}

pid_t launch(const fs::path &exe)
{
    std::fflush(nullptr);  // or the child would write our buffered text again
    const pid_t pid = fork();
    if (pid == 0) {
        // The application's own messages would mix with the figures.
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(exe.c_str(), exe.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

bool exited(pid_t pid, int *status)
{
    return waitpid(pid, status, WNOHANG) == pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + 10s;
    int status = 0;
    while (Clock::now() < deadline) {
        if (exited(pid, &status))
            return;
        std::this_thread::sleep_for(10ms);
    }
    std::printf("  (still running 10 s after SIGTERM; killed)\n");
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

struct Launch {
    double firstShownMs = -1;
    double mainShownMs = -1;
    std::string mainTitle;
    double idleCpuPercent = -1;
    double residentMb = 0;
};

// Starts the application, waits for its windows, optionally measures idle CPU, stops it.
std::optional<Launch> measure(const fs::path &exe, bool idle)
{
    WindowWatch watch;
    if (!watch.ok()) {
        std::fprintf(stderr, "cannot open the X display (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return std::nullopt;
    }
    Launch result;
    std::map<xcb_window_t, double> firstViewable;  // window -> ms after start
    const auto t0 = Clock::now();
    const pid_t pid = launch(exe);
    std::optional<Clock::time_point> shown;
    int status = 0;

    // Poll every 2 ms until a window shows, then keep noting windows until the
    // settle time is over: the splash window comes before the main window.
    while (true) {
        const auto now = Clock::now();
        for (const auto &w : watch.windowsOf(pid)) {
            if (w.viewable && !firstViewable.count(w.id)) {
                firstViewable[w.id] = msSince(t0, now);
                if (!shown)
                    shown = now;
            }
        }
        if (exited(pid, &status)) {
            std::fprintf(stderr, "the application ended (status %d) before it had settled\n", status);
            return std::nullopt;
        }
        if (!shown && now - t0 > kShowTimeout) {
            std::fprintf(stderr, "no window within %lld s\n", static_cast<long long>(kShowTimeout.count()));
            stop(pid);
            return std::nullopt;
        }
        if (shown && now - *shown > kSettle)
            break;
        std::this_thread::sleep_for(2ms);
    }

    // The main window: not a splash, still on screen after settling, the largest such.
    const auto windows = watch.windowsOf(pid);
    const WindowWatch::Window *main = nullptr;
    for (const auto &w : windows)
        if (w.viewable && !w.splash && firstViewable.count(w.id) && (!main || w.area > main->area))
            main = &w;
    result.firstShownMs = std::min_element(firstViewable.begin(), firstViewable.end(),
                                           [](auto &a, auto &b) { return a.second < b.second; })
                              ->second;
    if (main) {
        result.mainShownMs = firstViewable[main->id];
        result.mainTitle = main->title;
    }

    if (idle) {
        const double cpu0 = cpuSeconds(pid);
        const auto i0 = Clock::now();
        std::this_thread::sleep_for(kIdle);
        const double cpu1 = cpuSeconds(pid);
        const double wall = std::chrono::duration<double>(Clock::now() - i0).count();
        result.idleCpuPercent = 100.0 * (cpu1 - cpu0) / wall;
        result.residentMb = residentMegabytes(pid);
    }
    if (exited(pid, &status)) {
        std::fprintf(stderr, "the application ended (status %d) while idle\n", status);
        return std::nullopt;
    }
    stop(pid);
    return result;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <path to xuanyinfang> [launches]\n", argv[0]);
        return 2;
    }
    const fs::path source = fs::absolute(argv[1]);
    const int launches = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    if (!fs::is_regular_file(source)) {
        std::fprintf(stderr, "no application at %s\n", source.c_str());
        return 2;
    }

    char tmpl[] = "/tmp/xy-bench.XXXXXX";
    if (!mkdtemp(tmpl)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path appDir = fs::path(tmpl) / "app";
    fs::copy(source.parent_path(), appDir, fs::copy_options::recursive);
    fs::remove_all(appDir / "数据库");
    fs::create_directory(appDir / "数据库");
    const fs::path exe = appDir / source.filename();

    std::printf("Start-up of %s on display %s (%d launches, a fresh copy of its folder)\n",
                source.c_str(), std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "", launches);
    std::vector<double> mainTimes;
    std::optional<Launch> last;
    int rc = 0;
    for (int i = 1; i <= launches; ++i) {
        last = measure(exe, i == launches);
        if (!last) {
            rc = 1;
            break;
        }
        std::printf("  launch %d: first window shown after %.0f ms, main window after %.0f ms\n", i,
                    last->firstShownMs, last->mainShownMs);
        if (last->mainShownMs >= 0)
            mainTimes.push_back(last->mainShownMs);
    }
    if (last) {
        std::sort(mainTimes.begin(), mainTimes.end());
        if (!mainTimes.empty())
            std::printf("Main window shown: median %.0f ms (min %.0f, max %.0f) from process start\n",
                        mainTimes[mainTimes.size() / 2], mainTimes.front(), mainTimes.back());
        else
            std::printf("Main window: not recognised (no viewable, non-splash window)\n");
        std::printf("Main window title after settling: \"%s\"\n", last->mainTitle.c_str());
        std::printf("Idle CPU over %lld s, from %lld s after showing: %.2f %% of one core"
                    " (target: at most %.1f %%)\n",
                    static_cast<long long>(kIdle.count()), static_cast<long long>(kSettle.count()),
                    last->idleCpuPercent, kIdleTarget);
        std::printf("Resident memory while idle: %.1f MB\n", last->residentMb);
    }
    fs::remove_all(tmpl);
    return rc;
}
