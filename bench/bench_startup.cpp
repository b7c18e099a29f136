// Measures two programs from the outside, identically: the game and the floor
// program (the least a Qt Widgets program does to show two small windows).
//
// Start-up: the time from just before fork/exec until both top-level windows
// are mapped and the input focus is on the second one (the palette), and the
// resident memory (VmRSS) at that moment. The programs run alternately in one
// private Xvfb server, each run with a fresh, empty HOME.
//
// First settled frame: the time from just before fork/exec until both
// top-level windows are mapped and their pixels have stopped changing, at
// QT_SCALE_FACTOR 1 and 2. The X server's DAMAGE extension reports every
// drawing into either window; whenever the harness has read all the reports
// it grabs both windows' pixels (MIT-SHM GetImage). A frame is the time of the first
// grab that showed the final pixels: the pixels are final once no drawing has
// been reported for the settle period, which is not counted. A drawing that
// leaves the pixels as they were does not make a new frame.
//
// Every program starts with a history of 100,000 finished games in its data
// directory, made by the harness, as a player of long standing has it: the
// game must not read it to start.
//
// Idle: the CPU time (all threads, user and system) a program uses over a
// stretch of seconds in which nothing happens, once its windows are shown.
//
// The harness must cost the programs it measures as little as it can. A grab
// goes through shared memory that the harness and the server have both
// written before the first run, so it allocates nothing: a plain GetImage of
// the board at scale 2 took up to 40 ms, in fresh pages on both sides, while
// the program was drawing. Programs are started with posix_spawn, which does
// not make the harness's pages copy-on-write as fork does; otherwise the first
// grab of every run faulted on each page it wrote.
//
// The harness talks to the X server through libxcb only: it selects
// SubstructureNotify on the root window, which reports every top-level window
// created and mapped, and FocusChange on each new top-level window.
//
// Start-up is also measured for the game with a saved game to put back
// (--saved-game, copied into the run's state directory before the clock
// starts), in the same rounds.
//
//   bench_startup --game PATH --floor PATH --out FILE.json [--saved-game FILE]
//                 [--runs N] [--warmup N] [--frame-runs N] [--settle-ms MS]
//                 [--idle-runs N] [--idle-seconds S] [--display NAME]

#include "HistoryMaker.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <ftw.h>
#include <optional>
#include <poll.h>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

extern char **environ;

namespace
{

using Clock = std::chrono::steady_clock;

// The processes this harness started and has not ended yet; a failure ends
// them, so that no X server or program is left behind.
pid_t runningServer = -1;
pid_t runningProgram = -1;

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "bench_startup: %s\n", message.c_str());
    for (pid_t *pid : {&runningProgram, &runningServer}) {
        if (*pid > 0) {
            kill(*pid, SIGKILL);
            waitpid(*pid, nullptr, 0);
        }
    }
    std::exit(1);
}

struct Options {
    std::string game;
    std::string floor;
    std::string out;
    std::string display;
    std::string savedGame;
    int runs = 30;
    int warmup = 3;
    int frameRuns = 30;
    int settleMs = 300;
    int idleRuns = 3;
    int idleSeconds = 10;
};

Options parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            fail("missing value after " + arg);
        const std::string value = argv[++i];
        if (arg == "--game")
            options.game = value;
        else if (arg == "--floor")
            options.floor = value;
        else if (arg == "--out")
            options.out = value;
        else if (arg == "--display")
            options.display = value;
        else if (arg == "--saved-game")
            options.savedGame = value;
        else if (arg == "--runs")
            options.runs = std::stoi(value);
        else if (arg == "--warmup")
            options.warmup = std::stoi(value);
        else if (arg == "--frame-runs")
            options.frameRuns = std::stoi(value);
        else if (arg == "--settle-ms")
            options.settleMs = std::stoi(value);
        else if (arg == "--idle-runs")
            options.idleRuns = std::stoi(value);
        else if (arg == "--idle-seconds")
            options.idleSeconds = std::stoi(value);
        else
            fail("unknown option " + arg);
    }
    if (options.game.empty() || options.floor.empty() || options.out.empty())
        fail("usage: bench_startup --game PATH --floor PATH --out FILE.json [--runs N] "
             "[--warmup N] [--frame-runs N] [--settle-ms MS] [--idle-runs N] "
             "[--idle-seconds S] [--display NAME]");
    return options;
}

// A private X server, started with -displayfd so that it picks a free display
// number itself. -noreset keeps its state when the last client leaves. The
// screen holds both windows whole at scale 2, as a grab needs them on it.
struct PrivateXServer {
    pid_t pid = -1;
    std::string display;

    void start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            fail("pipe failed");
        pid = fork();
        if (pid < 0)
            fail("fork failed");
        if (pid == 0) {
            close(fds[0]);
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "2560x2048x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        runningServer = pid;
        std::string number;
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            pollfd entry{fds[0], POLLIN, 0};
            if (poll(&entry, 1, 200) <= 0)
                continue;
            char c = 0;
            const ssize_t got = read(fds[0], &c, 1);
            if (got <= 0 || c == '\n')
                break;
            number.push_back(c);
        }
        close(fds[0]);
        if (number.empty())
            fail("Xvfb did not start (is it installed?)");
        display = ":" + number;
    }

    void stop()
    {
        if (pid <= 0)
            return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        pid = -1;
        runningServer = -1;
    }
};

int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    return remove(path);
}

// What the harness watches of one running program.
struct Launched {
    pid_t pid = -1;
    std::string home;
    Clock::time_point started;
};

class Harness
{
public:
    explicit Harness(const std::string &display, const std::string &history)
        : m_display(display), m_history(history)
    {
        int screenNumber = 0;
        m_connection = xcb_connect(display.c_str(), &screenNumber);
        if (xcb_connection_has_error(m_connection))
            fail("cannot connect to the X server " + display);
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&it);
        m_root = it.data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_wmName = internAtom("_NET_WM_NAME");

        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        m_damageNotify = std::uint8_t(damage->first_event + XCB_DAMAGE_NOTIFY);
        std::free(xcb_damage_query_version_reply(
            m_connection, xcb_damage_query_version(m_connection, 1, 1), nullptr));
        attachGrabMemory(*it.data);
    }

    ~Harness()
    {
        xcb_shm_detach(m_connection, m_grabSegment);
        xcb_disconnect(m_connection);
        shmdt(m_grabMemory);
    }

    Harness(const Harness &) = delete;
    Harness &operator=(const Harness &) = delete;

    // Starts `program` with a fresh, empty HOME and configuration directory,
    // at Qt's scale factor `scale`. With `watchDrawing`, every drawing into
    // its top-level windows is reported (for waitSettled); the start-up and
    // idle runs go without, so that the reports cost them nothing.
    Launched launch(const std::string &program, int scale, bool watchDrawing = false,
                    const std::string &savedGame = {})
    {
        Launched launched;
        char pattern[] = "/tmp/hueriddle-bench-XXXXXX";
        if (!mkdtemp(pattern))
            fail("mkdtemp failed");
        launched.home = pattern;
        const std::string config = launched.home + "/.config";
        mkdir(config.c_str(), 0700);
        // The history of games, linked in: the same bytes for every run,
        // which a program that starts never writes to.
        const std::string data = launched.home + "/.local/share/hueriddle";
        mkdir((launched.home + "/.local").c_str(), 0700);
        mkdir((launched.home + "/.local/share").c_str(), 0700);
        mkdir(data.c_str(), 0700);
        if (link(m_history.c_str(), (data + "/history").c_str()) != 0)
            fail("cannot link the history of games into the program's HOME");
        if (!savedGame.empty()) {
            std::string directory = launched.home;
            for (const char *part : {"/.local", "/state", "/hueriddle"}) {
                directory += part;
                mkdir(directory.c_str(), 0700);
            }
            std::ofstream file(directory + "/saved-game", std::ios::binary);
            file << savedGame;
            if (!file)
                fail("cannot write the saved game into " + directory);
        }

        // The environment is prepared before the clock starts.
        std::vector<std::string> variables;
        for (char **each = environ; *each; ++each) {
            const std::string variable = *each;
            const std::string name = variable.substr(0, variable.find('='));
            if (name == "HOME" || name == "DISPLAY" || name == "QT_QPA_PLATFORM" ||
                name == "WAYLAND_DISPLAY" || name.rfind("XDG_", 0) == 0 ||
                name.find("SCALE_FACTOR") != std::string::npos ||
                name == "QT_ENABLE_HIGHDPI_SCALING")
                continue;
            variables.push_back(variable);
        }
        variables.push_back("HOME=" + launched.home);
        variables.push_back("XDG_CONFIG_HOME=" + config);
        variables.push_back("DISPLAY=" + m_display);
        variables.push_back("QT_QPA_PLATFORM=xcb");
        variables.push_back("QT_SCALE_FACTOR=" + std::to_string(scale));
        std::vector<char *> envp;
        for (std::string &variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        std::string path = program;
        char *argv[] = {path.data(), nullptr};

        m_created.clear();
        m_mapped.clear();
        m_focus = XCB_NONE;
        m_watchDrawing = watchDrawing;
        m_drawn = false;

        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

        launched.started = Clock::now();
        const int spawned =
            posix_spawn(&launched.pid, path.c_str(), &quiet, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&quiet);
        if (spawned != 0)
            fail("cannot start " + program + ": " + std::strerror(spawned));
        runningProgram = launched.pid;
        return launched;
    }

    // Waits until two top-level windows are mapped and the second has the
    // input focus; returns the time since the launch, or nothing on timeout
    // or when the program ended.
    std::optional<std::chrono::nanoseconds> waitShown(const Launched &launched)
    {
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        while (!(m_mapped.size() >= 2 && m_focus == m_mapped[1])) {
            xcb_generic_event_t *event = nextEvent(deadline);
            if (!event)
                return std::nullopt;
            handle(event);
            std::free(event);
            if (waitpid(launched.pid, nullptr, WNOHANG) == launched.pid)
                return std::nullopt;
        }
        return Clock::now() - launched.started;
    }

    // Waits until two top-level windows are mapped and their pixels have not
    // changed for `settle`; returns the time from the launch to the first
    // grab that showed those pixels, or nothing on timeout or when the
    // program ended. The program must have been launched with watchDrawing.
    std::optional<std::chrono::nanoseconds> waitSettled(const Launched &launched,
                                                        std::chrono::milliseconds settle)
    {
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        m_shown.clear();
        Clock::time_point shownSince;
        Clock::time_point lastChange = launched.started;
        bool bothMapped = false;
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                handle(event);
                std::free(event);
            }
            if (xcb_connection_has_error(m_connection))
                fail("lost the X server");
            // Once both are mapped, they are grabbed at once, and again after
            // every drawing reported.
            if (!bothMapped && m_mapped.size() >= 2) {
                bothMapped = true;
                m_drawn = true;
            }
            const auto now = Clock::now();
            if (bothMapped && m_drawn) {
                m_drawn = false;
                lastChange = now;
                if (grabChanged())
                    shownSince = now;
                continue;
            }
            if (bothMapped && now - lastChange >= settle)
                return shownSince - launched.started;
            if (now >= deadline || waitpid(launched.pid, nullptr, WNOHANG) == launched.pid)
                return std::nullopt;
            const auto wake = bothMapped ? std::min(deadline, lastChange + settle) : deadline;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(wake - now);
            pollfd entry{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&entry, 1, int(std::clamp<long long>(left.count() + 1, 0, 100)));
        }
    }

    // What was seen so far, for an error message.
    std::string seen() const
    {
        std::ostringstream out;
        out << m_created.size() << " top-level windows created, " << m_mapped.size()
            << " mapped, focus on " << (m_focus == XCB_NONE ? "none" : "a top-level window");
        if (!m_mapped.empty() && m_focus != XCB_NONE)
            out << (m_focus == m_mapped.back() ? " (the last mapped)" : " (not the last mapped)");
        return out.str();
    }

    // The title of the window that has the focus, read after the clock stopped.
    std::string focusTitle()
    {
        xcb_get_property_cookie_t cookie =
            xcb_get_property(m_connection, 0, m_focus, m_wmName, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        std::string title;
        if (reply) {
            title.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                         std::size_t(xcb_get_property_value_length(reply)));
            std::free(reply);
        }
        return title;
    }

    // Kills the program, waits until the server has destroyed its windows and
    // removes its HOME.
    void finish(Launched &launched)
    {
        kill(launched.pid, SIGKILL);
        waitpid(launched.pid, nullptr, 0);
        runningProgram = -1;
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (!m_created.empty()) {
            xcb_generic_event_t *event = nextEvent(deadline);
            if (!event)
                break;
            handle(event);
            std::free(event);
        }
        nftw(launched.home.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    }

private:
    struct WindowSize {
        std::uint32_t width;
        std::uint32_t height;
    };

    // Makes the shared memory the grabs go through, room for two windows the
    // size of the screen, and has both sides write all of it once.
    void attachGrabMemory(const xcb_screen_t &screen)
    {
        const xcb_query_extension_reply_t *shm = xcb_get_extension_data(m_connection, &xcb_shm_id);
        if (!shm || !shm->present)
            fail("the X server has no MIT-SHM extension");
        m_windowBytes = std::size_t(screen.width_in_pixels) * screen.height_in_pixels * 4;
        const std::size_t bytes = 2 * m_windowBytes + 2 * sizeof(WindowSize);
        const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0)
            fail(std::string("shmget failed: ") + std::strerror(errno));
        void *memory = shmat(id, nullptr, 0);
        shmctl(id, IPC_RMID, nullptr);
        if (memory == reinterpret_cast<void *>(-1))
            fail(std::string("shmat failed: ") + std::strerror(errno));
        m_grabMemory = static_cast<std::uint8_t *>(memory);
        std::memset(m_grabMemory, 0, bytes);
        m_grabSegment = xcb_generate_id(m_connection);
        if (xcb_generic_error_t *error = xcb_request_check(
                m_connection, xcb_shm_attach_checked(m_connection, m_grabSegment, id, 0))) {
            std::free(error);
            fail("the X server cannot attach the harness's shared memory");
        }
        for (std::size_t window = 0; window < 2; ++window)
            std::free(xcb_shm_get_image_reply(
                m_connection,
                xcb_shm_get_image(m_connection, m_root, 0, 0, screen.width_in_pixels,
                                  screen.height_in_pixels, ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                  m_grabSegment, std::uint32_t(window * m_windowBytes)),
                nullptr));
        m_shown.assign(bytes, 0);
    }

    // Grabs the first two mapped top-level windows and says whether their
    // pixels or sizes differ from those of the last grab, which they replace.
    bool grabChanged()
    {
        WindowSize sizes[2];
        std::size_t used = 0;
        for (std::size_t i = 0; i < 2; ++i) {
            const xcb_window_t window = m_mapped[i];
            xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(
                m_connection, xcb_get_geometry(m_connection, window), nullptr);
            if (!geometry)
                fail("cannot read the geometry of a mapped window");
            sizes[i] = {geometry->width, geometry->height};
            std::free(geometry);
            xcb_generic_error_t *error = nullptr;
            xcb_shm_get_image_reply_t *image = xcb_shm_get_image_reply(
                m_connection,
                xcb_shm_get_image(m_connection, window, 0, 0, std::uint16_t(sizes[i].width),
                                  std::uint16_t(sizes[i].height), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                  m_grabSegment, std::uint32_t(i * m_windowBytes)),
                &error);
            if (!image || image->size > m_windowBytes) {
                std::free(error);
                std::free(image);
                fail("cannot grab a mapped window of " + std::to_string(sizes[i].width) + " x " +
                     std::to_string(sizes[i].height));
            }
            // The two grabs are packed, so that one comparison covers both.
            std::memmove(m_grabMemory + used, m_grabMemory + i * m_windowBytes, image->size);
            used += image->size;
            std::free(image);
        }
        std::memcpy(m_grabMemory + used, sizes, sizeof sizes);
        used += sizeof sizes;
        if (m_shown.size() == used && std::memcmp(m_shown.data(), m_grabMemory, used) == 0)
            return false;
        m_shown.assign(m_grabMemory, m_grabMemory + used);
        return true;
    }

    xcb_atom_t internAtom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name),
            nullptr);
        if (!reply)
            fail(std::string("cannot intern ") + name);
        const xcb_atom_t atom = reply->atom;
        std::free(reply);
        return atom;
    }

    xcb_generic_event_t *nextEvent(Clock::time_point deadline)
    {
        for (;;) {
            if (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
                return event;
            if (xcb_connection_has_error(m_connection))
                fail("lost the X server");
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return nullptr;
            pollfd entry{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&entry, 1, int(std::min<long long>(left.count() + 1, 100)));
        }
    }

    void handle(xcb_generic_event_t *event)
    {
        switch (event->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent != m_root)
                break;
            m_created.insert(created->window);
            // Selected before the window can be mapped, so no focus change of
            // it can be missed.
            const std::uint32_t mask = XCB_EVENT_MASK_FOCUS_CHANGE;
            xcb_change_window_attributes(m_connection, created->window, XCB_CW_EVENT_MASK, &mask);
            // The same holds for the drawing reports; the damage object goes
            // with the window.
            if (m_watchDrawing)
                xcb_damage_create(m_connection, xcb_generate_id(m_connection), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(m_connection);
            break;
        }
        case XCB_MAP_NOTIFY: {
            const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (mapped->event == m_root && !mapped->override_redirect &&
                m_created.count(mapped->window) &&
                std::find(m_mapped.begin(), m_mapped.end(), mapped->window) == m_mapped.end()) {
                m_mapped.push_back(mapped->window);
                // The focus may have moved before the server got the request
                // selecting FocusChange on this window; ask where it is now.
                // Any later change is reported by an event.
                xcb_get_input_focus_reply_t *reply = xcb_get_input_focus_reply(
                    m_connection, xcb_get_input_focus(m_connection), nullptr);
                if (reply) {
                    if (m_created.count(reply->focus))
                        m_focus = reply->focus;
                    std::free(reply);
                }
            }
            break;
        }
        case XCB_FOCUS_IN: {
            const auto *focus = reinterpret_cast<xcb_focus_in_event_t *>(event);
            if (focus->detail != XCB_NOTIFY_DETAIL_POINTER && m_created.count(focus->event))
                m_focus = focus->event;
            break;
        }
        case XCB_FOCUS_OUT: {
            const auto *focus = reinterpret_cast<xcb_focus_out_event_t *>(event);
            if (focus->detail != XCB_NOTIFY_DETAIL_POINTER && focus->event == m_focus)
                m_focus = XCB_NONE;
            break;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto *destroyed = reinterpret_cast<xcb_destroy_notify_event_t *>(event);
            m_created.erase(destroyed->window);
            break;
        }
        default:
            if (event->response_type == m_damageNotify)
                m_drawn = true;
            break;
        }
    }

    std::string m_display;
    std::string m_history;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    xcb_atom_t m_wmName = XCB_NONE;
    std::set<xcb_window_t> m_created;
    std::vector<xcb_window_t> m_mapped;
    xcb_window_t m_focus = XCB_NONE;
    std::uint8_t m_damageNotify = 0;
    bool m_watchDrawing = false;
    // A drawing was reported since the last grab.
    bool m_drawn = false;
    xcb_shm_seg_t m_grabSegment = 0;
    std::uint8_t *m_grabMemory = nullptr;
    std::size_t m_windowBytes = 0;
    // The last grab, packed; its capacity, written once, is kept across runs.
    std::vector<std::uint8_t> m_shown;
};

// The history of 100,000 games in a file of the harness, removed at the end.
struct HistoryFile {
    std::string path;

    HistoryFile()
    {
        char pattern[] = "/tmp/hueriddle-bench-history-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd < 0)
            fail("mkstemp failed");
        path = pattern;
        const std::string history = makeHistory(100000);
        std::size_t written = 0;
        while (written < history.size()) {
            const ssize_t got = write(fd, history.data() + written, history.size() - written);
            if (got <= 0)
                fail("cannot write the history of games");
            written += std::size_t(got);
        }
        close(fd);
    }
    ~HistoryFile() { unlink(path.c_str()); }
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;
};

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// utime + stime of the whole process, in clock ticks.
long long cpuTicks(pid_t pid)
{
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // Fields after the command name, which is in parentheses and may hold blanks.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long long utime = 0;
    long long stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14)
            utime = std::stoll(field);
        if (index == 15) {
            stime = std::stoll(field);
            break;
        }
    }
    return utime + stime;
}

// The CPU time of the whole process, every thread included, in nanoseconds.
long long cpuNanoseconds(pid_t pid)
{
    clockid_t clock;
    timespec value{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &value) != 0)
        return -1;
    return (long long)value.tv_sec * 1000000000LL + value.tv_nsec;
}

struct Program {
    const char *name;
    std::string path;
    // The saved game put in place before each start; none when empty.
    std::string savedGame;
    std::vector<double> milliseconds;
    std::vector<long> residentKiB;
    // First settled frame at scale 1 and at scale 2.
    std::vector<double> frameMilliseconds[2];
    std::vector<double> idleMilliseconds;
    std::vector<long long> idleTicks;
};

std::string jsonArray(const auto &values)
{
    std::ostringstream out;
    out << '[';
    for (std::size_t i = 0; i < values.size(); ++i)
        out << (i ? ", " : "") << values[i];
    out << ']';
    return out.str();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parseOptions(argc, argv);
    signal(SIGPIPE, SIG_IGN);

    PrivateXServer server;
    std::string display = options.display;
    if (display.empty()) {
        server.start();
        display = server.display;
    }

    HistoryFile historyFile;
    Program game{"game", options.game, {}, {}, {}, {}, {}, {}};
    Program floor{"floor", options.floor, {}, {}, {}, {}, {}, {}};
    Program resumed{"resumed", options.game, {}, {}, {}, {}, {}, {}};
    if (!options.savedGame.empty()) {
        std::ifstream file(options.savedGame, std::ios::binary);
        resumed.savedGame.assign(std::istreambuf_iterator<char>(file), {});
        if (resumed.savedGame.empty())
            fail("cannot read " + options.savedGame);
    }
    std::vector<Program *> starters = {&game, &floor};
    if (!resumed.savedGame.empty())
        starters.push_back(&resumed);
    int status = 0;
    {
        Harness harness(display, historyFile.path);

        // Start-up, rotating which program goes first in each round.
        for (int round = 0; round < options.warmup + options.runs; ++round) {
            std::vector<Program *> order = starters;
            std::rotate(order.begin(), order.begin() + round % order.size(), order.end());
            for (Program *program : order) {
                Launched launched = harness.launch(program->path, 1, false, program->savedGame);
                const auto shown = harness.waitShown(launched);
                const long rss = shown ? residentKiB(launched.pid) : -1;
                const std::string title = shown ? harness.focusTitle() : std::string();
                const std::string seen = harness.seen();
                harness.finish(launched);
                if (!shown)
                    fail(std::string("the ") + program->name +
                         " did not show its two windows with the second one active: " + seen);
                if (title != "Palette")
                    fail(std::string("the ") + program->name + "'s active window is \"" + title +
                         "\", not \"Palette\"");
                if (round < options.warmup)
                    continue;
                program->milliseconds.push_back(
                    std::chrono::duration<double, std::milli>(*shown).count());
                program->residentKiB.push_back(rss);
            }
        }

        // First settled frame, at each scale in turn, alternating which
        // program goes first in each pair as above.
        for (int scale : {1, 2}) {
            for (int round = 0; round < options.warmup + options.frameRuns; ++round) {
                Program *order[2] = {&game, &floor};
                if (round % 2)
                    std::swap(order[0], order[1]);
                for (Program *program : order) {
                    Launched launched = harness.launch(program->path, scale, true);
                    const auto settled =
                        harness.waitSettled(launched, std::chrono::milliseconds(options.settleMs));
                    const std::string seen = harness.seen();
                    harness.finish(launched);
                    if (!settled)
                        fail(std::string("the ") + program->name + " did not settle at scale " +
                             std::to_string(scale) + ": " + seen);
                    if (round < options.warmup)
                        continue;
                    program->frameMilliseconds[scale - 1].push_back(
                        std::chrono::duration<double, std::milli>(*settled).count());
                }
            }
        }

        // Idle: settle for a second after the windows are shown, then measure.
        for (int round = 0; round < options.idleRuns; ++round) {
            for (Program *program : {&game, &floor}) {
                Launched launched = harness.launch(program->path, 1);
                if (!harness.waitShown(launched)) {
                    harness.finish(launched);
                    fail(std::string("the ") + program->name + " did not start for the idle run");
                }
                std::this_thread::sleep_for(std::chrono::seconds(1));
                const long long nsBefore = cpuNanoseconds(launched.pid);
                const long long ticksBefore = cpuTicks(launched.pid);
                std::this_thread::sleep_for(std::chrono::seconds(options.idleSeconds));
                const long long nsAfter = cpuNanoseconds(launched.pid);
                const long long ticksAfter = cpuTicks(launched.pid);
                harness.finish(launched);
                if (nsBefore < 0 || nsAfter < 0)
                    fail("cannot read the CPU time of the program");
                program->idleMilliseconds.push_back(double(nsAfter - nsBefore) / 1e6);
                program->idleTicks.push_back(ticksAfter - ticksBefore);
            }
        }
    }
    server.stop();

    std::ofstream out(options.out);
    out << "{\n  \"runs\": " << options.runs << ",\n  \"frame_runs\": " << options.frameRuns
        << ",\n  \"settle_ms\": " << options.settleMs
        << ",\n  \"idle_seconds\": " << options.idleSeconds
        << ",\n  \"clock_ticks_per_second\": " << sysconf(_SC_CLK_TCK) << ",\n";
    for (const Program *program : starters) {
        out << "  \"" << program->name << "\": {\n"
            << "    \"startup_ms\": " << jsonArray(program->milliseconds) << ",\n"
            << "    \"rss_kib\": " << jsonArray(program->residentKiB) << ",\n"
            << "    \"frame_ms_scale_1\": " << jsonArray(program->frameMilliseconds[0]) << ",\n"
            << "    \"frame_ms_scale_2\": " << jsonArray(program->frameMilliseconds[1]) << ",\n"
            << "    \"idle_cpu_ms\": " << jsonArray(program->idleMilliseconds) << ",\n"
            << "    \"idle_cpu_ticks\": " << jsonArray(program->idleTicks) << "\n  }"
            << (program != starters.back() ? ",\n" : "\n");
    }
    out << "}\n";
    if (!out)
        status = 1;

    for (const Program *program : starters) {
        std::vector<double> rss(program->residentKiB.begin(), program->residentKiB.end());
        std::fprintf(stderr,
                     "%-5s start-up median %.1f ms, RSS median %.0f KiB, first settled frame "
                     "median %.1f ms at scale 1, %.1f ms at scale 2, idle median %.2f ms\n",
                     program->name, median(program->milliseconds), median(rss),
                     median(program->frameMilliseconds[0]), median(program->frameMilliseconds[1]),
                     median(program->idleMilliseconds));
    }
    return status;
}
