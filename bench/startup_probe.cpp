// Starts a program on the current X display and reports, on one line:
//   viewable_ms cpu_until_idle_ms rss_kib
// viewable_ms: wall time from the start until its top-level window is mapped
// (framed, when a window manager runs); cpu_until_idle_ms: CPU time of all
// its threads once it has gone quiet; rss_kib: resident memory then.
//
//   startup_probe program [arguments...]

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of every live thread of the process, in nanoseconds.
long long CpuNanoseconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(tasks.c_str()), closedir);
    if (!dir)
        return -1;
    long long total = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        long long ns = 0;
        schedstat >> ns;
        total += ns;
    }
    return total;
}

long ResidentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Whether the window or one of its descendants belongs to the process.
bool BelongsTo(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom, pid_t pid, int depth = 0)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr),
        &std::free);
    if (property && xcb_get_property_value_length(property.get()) == 4
        && *static_cast<const std::uint32_t*>(xcb_get_property_value(property.get())) == std::uint32_t(pid))
        return true;
    if (depth == 3)
        return false;
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    if (!tree)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (BelongsTo(connection, children[i], pidAtom, pid, depth + 1))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe program [arguments...]\n");
        return 2;
    }

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = Atom(connection, "_NET_WM_PID");
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s\n", argv[1]);
        return 2;
    }

    double viewable = -1;
    while (viewable < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(connection), &std::free);
        if (!event)
            break;
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
            continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->event == root && BelongsTo(connection, map->window, pidAtom, pid))
            viewable = MillisecondsSince(start);
    }

    // Quiet: less than 1% of a core over 200 ms; a loop that wakes every
    // 20 ms to find nothing to do stays well below that.
    long long cpu = CpuNanoseconds(pid);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const long long now = CpuNanoseconds(pid);
        if (now - cpu < 2'000'000)
            break;
        cpu = now;
    }
    const double cpuUntilIdle = double(cpu) / 1e6;
    const long rss = ResidentKib(pid);

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%.1f %.1f %ld\n", viewable, cpuUntilIdle, rss);
    return 0;
}
