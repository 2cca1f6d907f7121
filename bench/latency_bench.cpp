// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// swoonery_latency: how the windowed game answers its player, measured from
// outside the process, the way a player meets it. The benchmark starts its own
// X server (Xvfb) and its own PulseAudio with a null sink, then
//   - clicks with XTest and waits for the X Damage extension to report the
//     window's pixels changed (click to screen), for list rows and buttons;
//   - records the sink's monitor in 10 ms blocks and times a click to the
//     first block that carries the sound (click to first sound);
//   - plays the cat sound through the sound module in a probe that behaves
//     like the game's cat event, and times the sound's end at the sink to the
//     window that follows it;
//   - starts the game and a bare Qt window with the same widgets alternately
//     and compares their start-up time and peak memory, and the game's
//     start-up beside a screen reader's accessibility bus with it alone;
//   - measures the idle game's processor use;
//   - stops the audio server (SIGSTOP) and clicks on, then lets it go on and
//     checks that a later sound is heard again.
// It prints medians and 99th percentiles and a one-line summary.
#include "platform/wav.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Exit status that CTest reads as a skipped run.
constexpr int kSkip = 77;
// Whether the bare window with sound was built: it needs Qt Multimedia, which
// the game itself does not.
constexpr bool kHaveBareAudio = SWOONERY_HAVE_BARE_AUDIO;
// A click that has not reached the screen after this long counts as unanswered.
constexpr double kNoAnswerMs = 3000;
// Where the controls of the game's windows lie, in client coordinates.
constexpr int kMainClientHeight = 397;
struct Point {
    int x, y;
};
constexpr Point kSetupOk{159, 354};
constexpr Point kGifts{52, 108};    // Command1, "Buy A Gift": no sound
constexpr Point kCall{52, 44};      // Command2, "Call Her": a sound, $5
constexpr Point kShopping{52, 340}; // Command5, "Go Shopping": no sound
constexpr Point kListTop{120, 200}; // the first row of Do_List
constexpr int kRowStep = 14;

// A 10 ms block of the recording is sound, not silence, above this RMS.
constexpr double kLoudRms = 0.01;

double now_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void sleep_ms(double ms) {
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long long>(ms * 1000)));
}

struct Stats {
    std::vector<double> values;

    void add(double v) { values.push_back(v); }
    double at(double fraction) const {
        if (values.empty()) {
            return NAN;
        }
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const auto rank = static_cast<std::size_t>(std::ceil(fraction * double(sorted.size())));
        return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
    }
    double median() const { return at(0.5); }
    double p99() const { return at(0.99); }
    double max() const {
        return values.empty() ? NAN : *std::max_element(values.begin(), values.end());
    }
    std::size_t over(double limit) const {
        return static_cast<std::size_t>(
            std::count_if(values.begin(), values.end(), [limit](double v) { return v > limit; }));
    }
};

void print(const char* what, const Stats& s, const char* unit = "ms") {
    std::printf("%-34s n=%-4zu median %8.2f %s   p99 %8.2f %s   max %8.2f %s\n", what,
                s.values.size(), s.median(), unit, s.p99(), unit, s.max(), unit);
}

// A child process with extra environment, its own working folder and its
// output sent where asked.
class Child {
public:
    Child() = default;
    Child(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
          const fs::path& cwd = {}, int out_fd = -1, int keep_fd = -1) {
        pid_ = fork();
        if (pid_ == 0) {
            for (const auto& [name, value] : env) {
                if (value.empty()) {
                    unsetenv(name.c_str());
                } else {
                    setenv(name.c_str(), value.c_str(), 1);
                }
            }
            if (!cwd.empty() && chdir(cwd.c_str()) != 0) {
                _exit(127);
            }
            const int null = open("/dev/null", O_RDWR);
            dup2(out_fd >= 0 ? out_fd : null, STDOUT_FILENO);
            if (std::getenv("SWOONERY_BENCH_VERBOSE") == nullptr) {
                dup2(null, STDERR_FILENO);
            }
            for (int fd = 3; fd < 1024; ++fd) {
                if (fd != keep_fd) {
                    close(fd);
                }
            }
            std::vector<char*> args;
            for (const std::string& a : argv) {
                args.push_back(const_cast<char*>(a.c_str()));
            }
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { stop(); }

    pid_t pid() const { return pid_; }
    bool running() const { return pid_ > 0; }
    void signal(int sig) const {
        if (pid_ > 0) {
            kill(pid_, sig);
        }
    }
    // Waits for the end; returns the exit status and the peak memory in KiB.
    std::pair<int, long> wait() {
        int status = 0;
        rusage usage{};
        wait4(pid_, &status, 0, &usage);
        pid_ = -1;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), usage.ru_maxrss};
    }
    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGCONT);
            kill(pid_, SIGTERM);
            for (int i = 0; i < 100; ++i) {
                if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                    pid_ = -1;
                    return;
                }
                sleep_ms(20);
            }
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
};

bool on_path(const std::string& tool) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (access((fs::path(dir) / tool).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

int run_quietly(const std::vector<std::string>& argv,
                const std::map<std::string, std::string>& env) {
    Child child(argv, env);
    return child.wait().first;
}

// A private audio server with a null sink whose monitor is recorded in 10 ms
// blocks, each stamped with the time it arrived.
class Sink {
public:
    explicit Sink(const fs::path& dir) : dir_(dir) {
        const fs::path socket = dir / "native";
        server_env_ = {{"HOME", dir},
                       {"XDG_RUNTIME_DIR", dir},
                       {"PULSE_RUNTIME_PATH", dir},
                       {"PULSE_STATE_PATH", dir},
                       {"PULSE_SERVER", "unix:" + socket.string()}};
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace);
        server_ = std::make_unique<Child>(
            std::vector<std::string>{
                "pulseaudio", "-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1",
                "--use-pid-file=no", "--disable-shm=yes", "-L",
                "module-null-sink sink_name=bench norewinds=1", "-L",
                "module-native-protocol-unix auth-anonymous=1 socket=" + socket.string()},
            server_env_);
        for (int i = 0; i < 100 && !ready_; ++i) {
            sleep_ms(100);
            ready_ = fs::exists(socket) && run_quietly({"pactl", "info"}, server_env_) == 0;
        }
        if (!ready_) {
            return;
        }
        int fds[2];
        if (pipe(fds) != 0) {
            ready_ = false;
            return;
        }
        recorder_ = std::make_unique<Child>(
            std::vector<std::string>{"parecord", "--device=bench.monitor", "--raw",
                                     "--format=s16le", "--channels=1", "--rate=44100",
                                     "--latency-msec=10"},
            server_env_, fs::path{}, fds[1]);
        close(fds[1]);
        reader_ = std::thread([this, fd = fds[0]] { read_blocks(fd); });
        // The monitor records silence from the start: wait for it to flow.
        for (int i = 0; i < 100 && blocks() < 20; ++i) {
            sleep_ms(50);
        }
        ready_ = blocks() >= 20;
    }
    ~Sink() {
        resume();
        recorder_.reset();
        if (reader_.joinable()) {
            reader_.join();
        }
        server_.reset();
    }

    bool ready() const { return ready_; }
    std::string address() const { return server_env_.at("PULSE_SERVER"); }
    void stall() { server_->signal(SIGSTOP); }
    void resume() {
        if (server_) {
            server_->signal(SIGCONT);
        }
    }

    // When the first block louder than silence arrived after `from`.
    std::optional<double> first_sound_after(double from, double timeout_ms) const {
        const double until = now_ms() + timeout_ms;
        while (now_ms() < until) {
            {
                std::lock_guard lock(mutex_);
                for (const auto& [at, loud] : times_) {
                    if (at > from && loud) {
                        return at;
                    }
                }
            }
            sleep_ms(2);
        }
        return std::nullopt;
    }
    // When the last loud block after `from` arrived, once `quiet_ms` of
    // silence has followed it.
    std::optional<double> sound_end_after(double from, double quiet_ms, double timeout_ms) const {
        const double until = now_ms() + timeout_ms;
        while (now_ms() < until) {
            {
                std::lock_guard lock(mutex_);
                std::optional<double> last;
                for (const auto& [at, loud] : times_) {
                    if (at > from && loud) {
                        last = at;
                    }
                }
                if (last && !times_.empty() && times_.back().first - *last >= quiet_ms) {
                    return last;
                }
            }
            sleep_ms(5);
        }
        return std::nullopt;
    }
    void wait_for_silence(double quiet_ms) const {
        const double start = now_ms();
        while (now_ms() - start < 5000) {
            {
                std::lock_guard lock(mutex_);
                const double t = now_ms();
                bool loud = false;
                for (auto it = times_.rbegin(); it != times_.rend() && t - it->first < quiet_ms;
                     ++it) {
                    loud = loud || it->second;
                }
                if (!loud && t - start >= quiet_ms) {
                    return;
                }
            }
            sleep_ms(10);
        }
    }

private:
    std::size_t blocks() const {
        std::lock_guard lock(mutex_);
        return times_.size();
    }
    void read_blocks(int fd) {
        constexpr std::size_t samples = 441; // 10 ms at 44.1 kHz
        std::vector<unsigned char> block;
        unsigned char buffer[4096];
        for (;;) {
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            block.insert(block.end(), buffer, buffer + got);
            while (block.size() >= samples * 2) {
                double sum = 0;
                for (std::size_t i = 0; i < samples; ++i) {
                    const auto v =
                        static_cast<std::int16_t>(block[2 * i] | (block[2 * i + 1] << 8));
                    sum += (v / 32768.0) * (v / 32768.0);
                }
                block.erase(block.begin(), block.begin() + samples * 2);
                std::lock_guard lock(mutex_);
                times_.emplace_back(now_ms(), std::sqrt(sum / samples) > kLoudRms);
            }
        }
        close(fd);
    }

    fs::path dir_;
    std::map<std::string, std::string> server_env_;
    std::unique_ptr<Child> server_;
    std::unique_ptr<Child> recorder_;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::vector<std::pair<double, bool>> times_;
    bool ready_ = false;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool meets(int ox, int oy, int ow, int oh) const {
        return ox < x + w && x < ox + ow && oy < y + h && y < oy + oh;
    }
};

// The X server, its damage reports and the top-level windows as they come and go.
class XServer {
public:
    XServer() {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        server_ = std::make_unique<Child>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                     "1024x768x24", "-nolisten", "tcp", "-noreset"},
            std::map<std::string, std::string>{}, fs::path{}, -1, fds[1]);
        close(fds[1]);
        std::string number;
        char c = 0;
        pollfd p{fds[0], POLLIN, 0};
        while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(fds[0]);
        if (number.empty()) {
            return;
        }
        name_ = ":" + number;
        display_ = XOpenDisplay(name_.c_str());
        int event = 0, error = 0, major = 0, minor = 0;
        if (display_ == nullptr || !XTestQueryExtension(display_, &event, &error, &major, &minor) ||
            !XDamageQueryExtension(display_, &damage_event_, &error)) {
            return;
        }
        root_ = DefaultRootWindow(display_);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XDamageCreate(display_, root_, XDamageReportRawRectangles);
        wm_protocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
        wm_delete_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
        XSync(display_, False);
        ok_ = true;
    }
    ~XServer() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }

    bool ok() const { return ok_; }
    const std::string& name() const { return name_; }

    // Handles what the server reports until `until`, or until `done` says so.
    // Returns when the predicate held, or nullopt at the time limit.
    template <typename Done> std::optional<double> pump(double until, Done done) {
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent e;
                XNextEvent(display_, &e);
                const double at = now_ms();
                if (e.type == damage_event_ + XDamageNotify) {
                    const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
                    if (done(Rect{d.area.x, d.area.y, d.area.width, d.area.height}, Window{0})) {
                        return at;
                    }
                } else if (e.type == MapNotify && !e.xmap.override_redirect &&
                           e.xmap.event == root_) {
                    mapped_.push_back(e.xmap.window);
                    if (done(Rect{}, e.xmap.window)) {
                        return at;
                    }
                } else if (e.type == UnmapNotify || e.type == DestroyNotify) {
                    const Window w =
                        e.type == UnmapNotify ? e.xunmap.window : e.xdestroywindow.window;
                    mapped_.erase(std::remove(mapped_.begin(), mapped_.end(), w), mapped_.end());
                }
            }
            const double left = until - now_ms();
            if (left <= 0) {
                return std::nullopt;
            }
            pollfd p{ConnectionNumber(display_), POLLIN, 0};
            poll(&p, 1, static_cast<int>(std::ceil(std::min(left, 50.0))));
        }
    }
    void drain(double ms) {
        pump(now_ms() + ms, [](const Rect&, Window) { return false; });
    }

    // The next top-level window to be shown, or 0.
    Window wait_for_window(double timeout_ms) {
        Window found = 0;
        pump(now_ms() + timeout_ms, [&found](const Rect&, Window w) {
            found = w;
            return w != 0;
        });
        return found;
    }
    Rect place(Window w) {
        XWindowAttributes a{};
        XGetWindowAttributes(display_, w, &a);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, w, root_, 0, 0, &x, &y, &child);
        return Rect{x, y, a.width, a.height};
    }

    void move_to(int x, int y) {
        XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
        XFlush(display_);
    }
    // Clicks at (x, y) of the screen and returns how long the area took to
    // change on screen (or a new window to appear); nullopt when it did not.
    std::optional<double> click(int x, int y, const Rect& area, double timeout_ms = kNoAnswerMs) {
        const auto at = click_answered_at(x, y, area, timeout_ms);
        if (!at) {
            return std::nullopt;
        }
        return *at - last_click_;
    }
    // Like click(), but gives the clock time of the answer; the click itself
    // was sent at last_click().
    std::optional<double> click_answered_at(int x, int y, const Rect& area,
                                            double timeout_ms = kNoAnswerMs) {
        move_to(x, y);
        drain(30); // hover effects are no answer to the click
        last_click_ = now_ms();
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
        return pump(last_click_ + timeout_ms, [&area](const Rect& r, Window w) {
            return w != 0 || area.meets(r.x, r.y, r.w, r.h);
        });
    }
    double last_click() const { return last_click_; }
    // Asks every top-level window but `keep` to close, as a window manager's
    // close button does.
    void close_all_but(Window keep) {
        const std::vector<Window> windows = mapped_;
        for (Window w : windows) {
            if (w == keep) {
                continue;
            }
            XEvent e{};
            e.xclient.type = ClientMessage;
            e.xclient.window = w;
            e.xclient.message_type = wm_protocols_;
            e.xclient.format = 32;
            e.xclient.data.l[0] = static_cast<long>(wm_delete_);
            e.xclient.data.l[1] = CurrentTime;
            XSendEvent(display_, w, False, NoEventMask, &e);
        }
        XFlush(display_);
        closed_ += static_cast<std::size_t>(
            std::count_if(windows.begin(), windows.end(), [keep](Window w) { return w != keep; }));
        // Until they are gone, and the main window has taken that in.
        const double until = now_ms() + 1000;
        while (mapped_.size() > 1 && now_ms() < until) {
            drain(10);
        }
        if (windows.size() > 1) {
            drain(200);
        }
    }
    void forget_windows() { mapped_.clear(); }
    // How many windows close_all_but has closed so far.
    std::size_t closed() const { return closed_; }
    // Saves the whole screen as a PNG when a folder for them was given.
    void shot(const fs::path& folder, const std::string& name) const {
        if (!folder.empty() && on_path("import")) {
            run_quietly({"import", "-display", name_, "-window", "root",
                         (folder / (name + ".png")).string()},
                        {});
        }
    }

private:
    std::unique_ptr<Child> server_;
    std::string name_;
    Display* display_ = nullptr;
    Window root_ = 0;
    int damage_event_ = 0;
    Atom wm_protocols_ = 0, wm_delete_ = 0;
    std::vector<Window> mapped_;
    double last_click_ = 0;
    std::size_t closed_ = 0;
    bool ok_ = false;
};

struct Options {
    fs::path bin;
    int clicks = 200;
    int starts = 30;
    int sounds = 16;
    int cats = 20;
    double idle_s = 5;
    fs::path screenshots;
};

// One run of the game, up to its main window.
class GameRun {
public:
    GameRun(XServer& screen, const Options& options, const fs::path& folder,
            const std::string& pulse)
        : screen_(screen) {
        fs::create_directories(folder);
        // The name box is filled from `last`, so OK starts the game at once.
        std::ofstream(folder / "last", std::ios::binary) << "Bench               ";
        screen.forget_windows();
        child_ = std::make_unique<Child>(
            std::vector<std::string>{(options.bin / "swoonery").string()},
            std::map<std::string, std::string>{
                {"DISPLAY", screen.name()}, {"QT_QPA_PLATFORM", "xcb"}, {"PULSE_SERVER", pulse}},
            folder);
        const Window setup = screen.wait_for_window(20000);
        if (setup == 0) {
            return;
        }
        screen.drain(300);
        const Rect form = screen.place(setup);
        screen.click(form.x + kSetupOk.x, form.y + kSetupOk.y, form);
        main_ = screen.wait_for_window(20000);
        if (main_ == 0) {
            return;
        }
        // The sound module loads shortly after the first window.
        screen.drain(1200);
        area_ = screen.place(main_);
        client_top_ = area_.y + area_.h - kMainClientHeight;
    }

    bool ok() const { return main_ != 0; }
    pid_t pid() const { return child_->pid(); }
    std::optional<double> click(Point p) {
        const auto answer = screen_.click(area_.x + p.x, client_top_ + p.y, area_);
        // An event's window or a refusal may come up just after the answer:
        // close it again.
        screen_.drain(30);
        screen_.close_all_but(main_);
        return answer;
    }
    Point row(int k) const { return Point{kListTop.x, kListTop.y + k * kRowStep}; }

private:
    XServer& screen_;
    std::unique_ptr<Child> child_;
    Window main_ = 0;
    Rect area_;
    int client_top_ = 0;
};

// Processor time of every thread of the process, in seconds, at nanosecond
// resolution (the scheduler's own account).
double cpu_seconds(pid_t pid) {
    double total = 0;
    std::error_code error;
    for (const auto& task :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        long long ns = 0;
        if (stat >> ns) {
            total += double(ns) / 1e9;
        }
    }
    return total;
}

// The process's peak resident memory so far, in KiB.
double peak_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::atof(line.c_str() + 6);
        }
    }
    return NAN;
}

double wav_seconds(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const swoonery::WavResult wav = swoonery::parse_wav(bytes);
    return wav ? double(wav.clip.duration_us()) / 1e6 : 0;
}

// How long a sound goes on after its last loud 10 ms block, judged by the
// recorder's own rule. The recorder cannot hear a quiet tail, so the end of
// the sound at the sink is its last loud block plus this.
double quiet_tail_ms(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const swoonery::WavResult wav = swoonery::parse_wav(bytes);
    if (!wav || wav.clip.bits_per_sample != 16 || wav.clip.sample_rate < 100) {
        return 0;
    }
    const auto& clip = wav.clip;
    const std::size_t frames_per_block = static_cast<std::size_t>(clip.sample_rate) / 100;
    const std::size_t frame_bytes = static_cast<std::size_t>(clip.bytes_per_frame());
    const std::size_t frames = clip.data_size / frame_bytes;
    std::size_t loud_until = 0; // frames up to the end of the last loud block
    for (std::size_t first = 0; first + frames_per_block <= frames; first += frames_per_block) {
        double sum = 0;
        for (std::size_t f = first; f < first + frames_per_block; ++f) {
            const std::size_t at = clip.data_offset + f * frame_bytes; // first channel
            const auto v =
                static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                          (static_cast<unsigned char>(bytes[at + 1]) << 8));
            sum += (v / 32768.0) * (v / 32768.0);
        }
        if (std::sqrt(sum / double(frames_per_block)) > kLoudRms) {
            loud_until = first + frames_per_block;
        }
    }
    return double(frames - loud_until) * 1000 / clip.sample_rate;
}

struct Summary {
    // Some part of the benchmark could not measure what it should.
    bool failed = false;
    Stats rows, buttons, sound, cat_end, cat_audible, stalled, stalled_cat;
    double start_ratio = NAN, start_floor = NAN, a11y_ratio = NAN, memory_ratio = NAN;
    double idle_percent = NAN;
    double bare_kib = NAN, play_kib = NAN, bare_audio_kib = NAN;
    std::size_t event_windows = 0;
    std::optional<double> sound_after_resume;
    std::size_t stalled_unanswered = 0;
};

// A session bus of the benchmark's own with the desktop's accessibility bus
// on it, as a screen reader's desktop has: the game started with
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on it publishes its windows there.
class AccessibilityBus {
public:
    AccessibilityBus() {
        int fds[2];
        if (!on_path("dbus-daemon") || pipe(fds) != 0) {
            return;
        }
        bus_ =
            std::make_unique<Child>(std::vector<std::string>{"dbus-daemon", "--session", "--nofork",
                                                             "--nopidfile", "--print-address=1"},
                                    std::map<std::string, std::string>{}, fs::path(), fds[1]);
        close(fds[1]);
        std::string line;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        close(fds[0]);
        address_ = line;
        for (const char* launcher :
             {"/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"}) {
            if (!address_.empty() && access(launcher, X_OK) == 0) {
                launcher_ = std::make_unique<Child>(
                    std::vector<std::string>{launcher, "--launch-immediately"},
                    std::map<std::string, std::string>{{"DBUS_SESSION_BUS_ADDRESS", address_}});
                sleep_ms(1000); // its own bus up and registered
                return;
            }
        }
        address_.clear();
    }
    bool ready() const { return !address_.empty(); }
    const std::string& address() const { return address_; }

private:
    std::unique_ptr<Child> bus_;
    std::unique_ptr<Child> launcher_;
    std::string address_;
};

void measure_start_up(const Options& o, const fs::path& dir, const XServer& screen,
                      const std::string& pulse, Summary& out) {
    // The bare window runs twice a round: its second run against its first
    // shows how far two identical programs differ here, the floor of any
    // start-up comparison on this machine.
    // The game also starts beside a screen reader's accessibility bus; the
    // plain game runs with no session bus at all.
    Stats game_ms, bare_ms, again_ms, a11y_ms, game_kib, bare_kib;
    const std::map<std::string, std::string> env{{"DISPLAY", screen.name()},
                                                 {"QT_QPA_PLATFORM", "xcb"},
                                                 {"DBUS_SESSION_BUS_ADDRESS", ""},
                                                 {"SWOONERY_QUIT_AFTER_FIRST_PAINT", "1"}};
    const AccessibilityBus bus;
    std::map<std::string, std::string> a11y_env = env;
    a11y_env["DBUS_SESSION_BUS_ADDRESS"] = bus.address();
    a11y_env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1";
    if (!bus.ready()) {
        std::printf("no accessibility bus (dbus-daemon, at-spi2-core): start-up beside it "
                    "not measured\n");
    }
    fs::create_directories(dir / "start");
    std::ofstream(dir / "start" / "last", std::ios::binary) << "Bench               ";
    enum Run { Game, Bare, BareAgain, GameA11y };
    const int kinds = bus.ready() ? 4 : 3;
    for (int i = 0; i < o.starts; ++i) {
        // In turn, each in every place of the round, so that the machine's own
        // ups and downs and whatever one run leaves warm for the next hit all alike.
        for (int k = 0; k < kinds; ++k) {
            const auto run = static_cast<Run>((i + k) % kinds);
            const double start = now_ms();
            Child child(
                {(o.bin / (run == Game || run == GameA11y ? "swoonery" : "startup-bare")).string()},
                run == GameA11y ? a11y_env : env, dir / "start");
            const auto [status, kib] = child.wait();
            const double took = now_ms() - start;
            if (status != 0) {
                std::printf("start-up run failed with status %d\n", status);
                out.failed = true;
                continue;
            }
            (run == Game        ? game_ms
             : run == Bare      ? bare_ms
             : run == BareAgain ? again_ms
                                : a11y_ms)
                .add(took);
            if (run == Game || run == Bare) {
                (run == Game ? game_kib : bare_kib).add(double(kib));
            }
        }
    }
    // The same bare window that also plays a tone through Qt's audio sink.
    Stats audio_kib;
    std::map<std::string, std::string> audio_env = env;
    audio_env["PULSE_SERVER"] = pulse;
    if (!kHaveBareAudio) {
        std::printf("the bare window with sound was not built (no Qt Multimedia): "
                    "its memory not measured\n");
    }
    for (int i = 0; kHaveBareAudio && i < std::max(1, o.starts / 2); ++i) {
        Child child({(o.bin / "startup-bare-audio").string()}, audio_env, dir / "start");
        const auto [status, kib] = child.wait();
        if (status != 0) {
            std::printf("the bare window with sound failed with status %d\n", status);
            out.failed = true;
            continue;
        }
        audio_kib.add(double(kib));
    }
    out.bare_audio_kib = audio_kib.median();
    print("start-up, game", game_ms);
    print("start-up, bare window", bare_ms);
    print("start-up, bare window again", again_ms);
    if (bus.ready()) {
        print("start-up, game, a11y bus", a11y_ms);
        out.a11y_ratio = a11y_ms.median() / game_ms.median();
    }
    print("peak memory, game", game_kib, "KiB");
    print("peak memory, bare window", bare_kib, "KiB");
    if (kHaveBareAudio) {
        print("peak memory, bare window with sound", audio_kib, "KiB");
    }
    out.start_ratio = game_ms.median() / bare_ms.median();
    out.start_floor = again_ms.median() / bare_ms.median();
    out.memory_ratio = game_kib.median() / bare_kib.median();
    out.bare_kib = bare_kib.median();
    std::printf("start-up %.3f x the bare window (the bare window against itself: x%.3f), "
                "beside the accessibility bus %.3f x without, peak memory %.3f x\n",
                out.start_ratio, out.start_floor, out.a11y_ratio, out.memory_ratio);
}

void measure_clicks(const Options& o, const fs::path& dir, XServer& screen, Sink& sink,
                    Summary& out) {
    GameRun game(screen, o, dir / "clicks", sink.address());
    if (!game.ok()) {
        std::printf("the game's main window did not come up\n");
        out.failed = true;
        return;
    }
    const double cpu_before = cpu_seconds(game.pid());
    const double idle_start = now_ms();
    screen.drain(o.idle_s * 1000);
    out.idle_percent =
        100.0 * (cpu_seconds(game.pid()) - cpu_before) / ((now_ms() - idle_start) / 1000.0);
    std::printf("idle processor use %.3f %% of a core over %.1f s\n", out.idle_percent, o.idle_s);

    const std::size_t closed_before = screen.closed();
    for (int i = 0; i < o.clicks; ++i) {
        // Two menus in turn, so that every button click changes the list.
        const auto button = game.click(i % 2 == 0 ? kGifts : kShopping);
        const auto row = game.click(game.row(i % 8));
        out.buttons.add(button.value_or(kNoAnswerMs));
        out.rows.add(row.value_or(kNoAnswerMs));
        if (!row || !button) {
            screen.shot(o.screenshots, "unanswered-" + std::to_string(i));
        }
    }
    screen.shot(o.screenshots, "clicks");
    out.event_windows = screen.closed() - closed_before;
    std::printf("the game's own event windows came up %zu times and were closed\n",
                out.event_windows);
    print("click to screen, list row", out.rows);
    print("click to screen, category button", out.buttons);
}

void measure_sound(const Options& o, const fs::path& dir, XServer& screen, Sink& sink,
                   Summary& out) {
    // Calls cost $5 of the $50 a game starts with: a few games, a few calls each.
    for (int g = 0; static_cast<int>(out.sound.values.size()) < o.sounds && g < 10; ++g) {
        GameRun game(screen, o, dir / ("sound" + std::to_string(g)), sink.address());
        if (!game.ok()) {
            break;
        }
        for (int call = 0; call < 8 && static_cast<int>(out.sound.values.size()) < o.sounds;
             ++call) {
            sink.wait_for_silence(150);
            const double start = now_ms();
            game.click(kCall);
            if (const auto heard = sink.first_sound_after(start, 2000)) {
                out.sound.add(*heard - start);
            } else {
                std::printf("a call was not heard\n");
                out.failed = true;
            }
        }
        if (g == 0) {
            out.play_kib = peak_kib(game.pid());
        }
    }
    print("click to first sound at the sink", out.sound);
    std::printf("peak memory in play (sound loaded, calls made) %.0f KiB, %.3f x the bare window",
                out.play_kib, out.play_kib / out.bare_kib);
    if (kHaveBareAudio) {
        std::printf(", %.3f x the bare window with sound", out.play_kib / out.bare_audio_kib);
    }
    std::printf("\n");
}

// The probe plays the cat sound through the sound module on a click and then
// shows its window, as the game's cat event does.
void measure_cat(const Options& o, XServer& screen, Sink& sink, Summary& out) {
    const double length_ms = wav_seconds(o.bin / "sounds" / "cat.wav") * 1000;
    const double tail_ms = quiet_tail_ms(o.bin / "sounds" / "cat.wav");
    screen.forget_windows();
    Child probe(
        {(o.bin / "swoonery_cat_probe").string()},
        {{"DISPLAY", screen.name()}, {"QT_QPA_PLATFORM", "xcb"}, {"PULSE_SERVER", sink.address()}});
    const Window button = screen.wait_for_window(20000);
    if (button == 0) {
        std::printf("the cat probe did not come up\n");
        out.failed = true;
        return;
    }
    screen.drain(1000);
    const Rect place = screen.place(button);
    auto one = [&](bool stalled) -> std::optional<std::pair<double, double>> {
        screen.move_to(place.x + place.w / 2, place.y + place.h / 2);
        screen.drain(30);
        sink.wait_for_silence(150);
        if (stalled) {
            sink.stall();
        }
        const auto shown_at = screen.click_answered_at(place.x + place.w / 2, place.y + place.h / 2,
                                                       Rect{}, length_ms + 5000);
        const double clicked = screen.last_click();
        if (stalled) {
            sink.resume();
        }
        screen.close_all_but(button);
        if (!shown_at) {
            return std::nullopt;
        }
        const auto last_loud =
            stalled ? std::optional<double>(clicked) : sink.sound_end_after(clicked, 100, 3000);
        if (!last_loud) {
            return std::nullopt;
        }
        out.cat_audible.add(*shown_at - *last_loud);
        return std::pair{*shown_at - clicked, *shown_at - (*last_loud + tail_ms)};
    };
    for (int i = 0; i < o.cats; ++i) {
        if (i == 0 && !o.screenshots.empty()) {
            screen.click(place.x + place.w / 2, place.y + place.h / 2, Rect{}, length_ms + 5000);
            screen.drain(200);
            screen.shot(o.screenshots, "cat");
            screen.close_all_but(button);
        }
        if (const auto r = one(false)) {
            out.cat_end.add(r->second);
        } else {
            std::printf("the cat's window or sound went missing\n");
            out.failed = true;
        }
    }
    std::printf("cat.wav lasts %.0f ms, the last %.0f ms too quiet to hear at the sink\n",
                length_ms, tail_ms);
    print("end of cat.wav to its window", out.cat_end);
    print("last loud block of cat.wav to its window", out.cat_audible);
    for (int i = 0; i < std::max(1, o.cats / 4); ++i) {
        const auto r = one(true);
        out.stalled_cat.add(r ? r->first : kNoAnswerMs + length_ms);
    }
    print("cat window, server stopped (click)", out.stalled_cat);
}

void measure_stalled(const Options& o, const fs::path& dir, XServer& screen, Sink& sink,
                     Summary& out) {
    GameRun game(screen, o, dir / "stalled", sink.address());
    if (!game.ok()) {
        std::printf("the game's main window did not come up\n");
        out.failed = true;
        return;
    }
    game.click(kCall); // a first sound while the server still answers
    screen.drain(300);
    sink.stall();
    int silent_in_a_row = 0;
    for (int i = 0; i < std::max(4, o.clicks / 10) && silent_in_a_row < 3; ++i) {
        const Point p = i % 4 == 0 ? kCall : i % 4 == 2 ? kGifts : game.row(i % 8);
        if (i % 4 == 0) {
            sink.stall(); // in case a window manager of signals woke it
        }
        const auto answer = game.click(p);
        out.stalled.add(answer.value_or(kNoAnswerMs));
        silent_in_a_row = answer ? 0 : silent_in_a_row + 1;
    }
    screen.shot(o.screenshots, "stopped-server");
    out.stalled_unanswered = out.stalled.over(kNoAnswerMs - 1);
    print("click to screen, server stopped", out.stalled);
    sink.resume();
    screen.drain(1500);
    sink.wait_for_silence(150);
    game.click(kGifts);
    const double start = now_ms();
    game.click(kCall);
    if (const auto heard = sink.first_sound_after(start, 3000)) {
        out.sound_after_resume = *heard - start;
        std::printf("after the server goes on, a call is heard %.1f ms after the click\n",
                    *out.sound_after_resume);
    } else {
        std::printf("after the server goes on, a call is NOT heard\n");
        out.failed = true;
    }
}

int usage() {
    std::fprintf(stderr, "usage: swoonery_latency [--bin DIR] [--quick] [--clicks N] [--starts N]\n"
                         "                        [--sounds N] [--cats N] [--idle SECONDS]\n"
                         "                        [--screenshots DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Options o;
    o.bin = fs::canonical("/proc/self/exe").parent_path();
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--quick") {
            o.clicks = 10;
            o.starts = 2;
            o.sounds = 2;
            o.cats = 1;
            o.idle_s = 1;
        } else if (a == "--bin") {
            o.bin = value();
        } else if (a == "--clicks") {
            o.clicks = std::atoi(value().c_str());
        } else if (a == "--starts") {
            o.starts = std::atoi(value().c_str());
        } else if (a == "--sounds") {
            o.sounds = std::atoi(value().c_str());
        } else if (a == "--cats") {
            o.cats = std::atoi(value().c_str());
        } else if (a == "--screenshots") {
            o.screenshots = value();
            fs::create_directories(o.screenshots);
        } else if (a == "--idle") {
            o.idle_s = std::atof(value().c_str());
        } else {
            return usage();
        }
    }
    for (const char* tool : {"Xvfb", "pulseaudio", "pactl", "parecord"}) {
        if (!on_path(tool)) {
            std::printf("skipped: %s is missing (packages xvfb, pulseaudio, pulseaudio-utils)\n",
                        tool);
            return kSkip;
        }
    }
    char pattern[] = "/tmp/swoonery-latency-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return 1;
    }
    const fs::path dir = pattern;
    Summary s;
    {
        XServer screen;
        if (!screen.ok()) {
            std::printf("skipped: Xvfb with XTest and DAMAGE did not start\n");
            fs::remove_all(dir);
            return kSkip;
        }
        fs::create_directories(dir / "pulse");
        Sink sink(dir / "pulse");
        if (!sink.ready()) {
            std::printf("skipped: PulseAudio with a null sink did not start\n");
            fs::remove_all(dir);
            return kSkip;
        }
        measure_start_up(o, dir, screen, sink.address(), s);
        measure_clicks(o, dir, screen, sink, s);
        measure_sound(o, dir, screen, sink, s);
        measure_cat(o, screen, sink, s);
        measure_stalled(o, dir, screen, sink, s);
    }
    fs::remove_all(dir);
    std::printf(
        "summary: row %.1f/%.1f ms, button %.1f/%.1f ms (%zu unanswered), sound %.0f/%.0f ms, "
        "cat window %.0f/%.0f ms after its sound, start-up x%.3f (floor x%.3f, a11y x%.3f), "
        "memory x%.3f "
        "(in play x%.3f), "
        "idle %.3f %%, server stopped: click %.1f/%.1f ms (max %.0f, %zu unanswered), "
        "cat window %.0f ms, sound after resume %s (median/p99)\n",
        s.rows.median(), s.rows.p99(), s.buttons.median(), s.buttons.p99(),
        s.rows.over(kNoAnswerMs - 1) + s.buttons.over(kNoAnswerMs - 1), s.sound.median(),
        s.sound.p99(), s.cat_end.median(), s.cat_end.p99(), s.start_ratio, s.start_floor,
        s.a11y_ratio, s.memory_ratio, s.play_kib / s.bare_kib, s.idle_percent, s.stalled.median(),
        s.stalled.p99(), s.stalled.max(), s.stalled_unanswered, s.stalled_cat.median(),
        s.sound_after_resume ? "heard" : "NOT heard");
    return s.failed ? 1 : 0;
}
