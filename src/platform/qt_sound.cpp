// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt_sound.h"

#include "platform/wav.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QTimer>

#include <pulse/pulseaudio.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>

namespace swoonery {

namespace {

// Sounds are short effects; anything far larger is not one of ours.
constexpr qint64 max_file_size = 64 * 1024 * 1024;
// How often the sound's thread looks at a playing sound, and play_to_end at the thread.
constexpr int poll_interval_ms = 5;
constexpr int wait_interval_ms = 2;
constexpr int tail_ms = 250;
// How much sound the server holds ahead of the loudspeaker: the delay before
// a sound is heard.
constexpr pa_usec_t buffer_us = 40'000;
// How long a connection may take to come up before the next sound gives up on
// it and connects afresh.
constexpr int connect_patience_ms = 1000;

using Clock = std::chrono::steady_clock;

struct Clip {
    int sample_rate = 0;
    int channels = 0;
    QByteArray pcm; // always signed 16-bit little-endian
    qint64 duration_us = 0;

    Clock::duration length() const { return std::chrono::microseconds(duration_us); }
};

std::shared_ptr<const Clip> decode(const QByteArray& bytes) {
    const WavResult wav =
        parse_wav(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!wav) {
        return nullptr;
    }
    auto clip = std::make_shared<Clip>();
    clip->sample_rate = wav.clip.sample_rate;
    clip->channels = wav.clip.channels;
    clip->duration_us = wav.clip.duration_us();

    const char* samples = bytes.constData() + wav.clip.data_offset;
    const auto size = static_cast<qsizetype>(wav.clip.data_size);
    if (wav.clip.bits_per_sample == 16) {
        clip->pcm = QByteArray(samples, size);
    } else {
        // 8-bit WAV samples are unsigned around 128.
        clip->pcm.resize(size * 2);
        char* out = clip->pcm.data();
        for (qsizetype i = 0; i < size; ++i) {
            const auto value = static_cast<std::int16_t>(
                (static_cast<int>(static_cast<unsigned char>(samples[i])) - 128) * 256);
            const auto bits = static_cast<std::uint16_t>(value);
            out[2 * i] = static_cast<char>(bits & 0xFFU);
            out[2 * i + 1] = static_cast<char>(bits >> 8);
        }
    }
    return clip;
}

// Requests are numbered in the order the game asks for them; a later one cuts
// every one before it.
struct Progress {
    std::atomic<std::uint64_t> asked{0}; // the latest request
    std::atomic<std::uint64_t> ended{0}; // every request up to this one is over
};

// One sound asked for: its number, the clip (none for silence) and when.
struct Request {
    std::uint64_t number = 0;
    std::shared_ptr<const Clip> clip;
    Clock::time_point asked_at;
};

// What the game's thread hands to the sound's thread. Shared, so that a
// sound thread left behind by shut_down still has it when it ends.
struct Mailbox {
    std::mutex mutex;
    std::condition_variable ended_cv;
    std::optional<Request> pending;
    bool closing = false;
    bool ended = false;
    // Owned by the sound's thread; null once that thread is over.
    pa_mainloop* loop = nullptr;
    // A pipe the sound's thread polls besides the server. The main loop's own
    // wake-up is not used: it is forgotten when the loop prepares its next
    // poll, so a request handed over just before that would wait unseen.
    int wake_read = -1;
    int wake_write = -1;

    Mailbox() {
        int ends[2];
        if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) == 0) {
            wake_read = ends[0];
            wake_write = ends[1];
        }
    }
    ~Mailbox() {
        for (const int end : {wake_read, wake_write}) {
            if (end >= 0) {
                ::close(end);
            }
        }
    }
    Mailbox(const Mailbox&) = delete;
    Mailbox& operator=(const Mailbox&) = delete;

    // Puts the sound's thread back to work. A full pipe wakes it as well.
    void wake() const {
        const char byte = 0;
        [[maybe_unused]] const auto written = ::write(wake_write, &byte, 1);
    }

    // Empties the pipe, on the sound's thread, before it looks at the mailbox.
    void woken() const {
        char bytes[64];
        while (::read(wake_read, bytes, sizeof bytes) > 0) {
        }
    }
};

// The sound now playing and the audio server under it, all on the sound's
// own thread. Every call to the server is asynchronous: the thread waits only
// in its own poll, which a new request wakes, so a stopped server can hold no
// call up. A connection that failed, broke, or has not come up after
// connect_patience is dropped, and the next sound connects afresh: a server
// that was missing or restarted is found again.
class Player {
public:
    Player(std::shared_ptr<Progress> progress, std::shared_ptr<Mailbox> mailbox)
        : progress_(std::move(progress)), mailbox_(std::move(mailbox)) {}
    ~Player() {
        stop();
        drop_connection();
    }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // The sound thread's body: returns once asked to close.
    void run() {
        pa_mainloop_api* api = pa_mainloop_get_api(loop_);
        api->io_new(api, mailbox_->wake_read, PA_IO_EVENT_INPUT, &Player::on_woken, mailbox_.get());
        connect(); // before the first sound needs it
        for (;;) {
            std::optional<Request> next;
            {
                const std::lock_guard lock(mailbox_->mutex);
                if (mailbox_->closing) {
                    return;
                }
                next.swap(mailbox_->pending);
            }
            if (next) {
                begin(std::move(*next));
            }
            look_after();
            const bool busy = waiting_ || stream_ != nullptr || retired_ != nullptr;
            const int timeout_us = busy ? poll_interval_ms * 1000 : -1;
            if (pa_mainloop_prepare(loop_, timeout_us) < 0 || pa_mainloop_poll(loop_) < 0 ||
                pa_mainloop_dispatch(loop_) < 0) {
                return;
            }
        }
    }

private:
    void begin(Request next) {
        stop();
        waiting_.reset();
        progress_->ended = next.number - 1;
        if (!next.clip || stale(next)) {
            progress_->ended = next.number;
            return;
        }
        if (connection_given_up()) {
            drop_connection();
        }
        connect();
        if (context_ == nullptr) {
            progress_->ended = next.number;
            return;
        }
        waiting_ = std::move(next);
        start_when_ready();
    }

    // Opens the stream of the waiting sound once the server has answered.
    void start_when_ready() {
        if (!waiting_ || context_ == nullptr ||
            pa_context_get_state(context_) != PA_CONTEXT_READY) {
            return;
        }
        Request next = std::move(*waiting_);
        waiting_.reset();
        if (stale(next)) {
            progress_->ended = next.number;
            return;
        }
        const Clip& clip = *next.clip;
        pa_sample_spec sample_format{};
        sample_format.format = PA_SAMPLE_S16LE;
        sample_format.rate = static_cast<std::uint32_t>(clip.sample_rate);
        sample_format.channels = static_cast<std::uint8_t>(clip.channels);
        stream_ = pa_stream_new(context_, "effect", &sample_format, nullptr);
        if (stream_ == nullptr) {
            progress_->ended = next.number;
            return;
        }
        // A short buffer, so that the sound starts soon after it is asked for.
        pa_buffer_attr buffer{};
        buffer.maxlength = std::numeric_limits<std::uint32_t>::max();
        buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(buffer_us, &sample_format));
        buffer.prebuf = std::numeric_limits<std::uint32_t>::max();
        buffer.minreq = std::numeric_limits<std::uint32_t>::max();
        buffer.fragsize = std::numeric_limits<std::uint32_t>::max();
        pa_stream_set_state_callback(stream_, &Player::on_stream_state, this);
        pa_stream_set_write_callback(stream_, &Player::on_writable, this);
        if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0) {
            close_stream(stream_);
            progress_->ended = next.number;
            return;
        }
        current_ = next.number;
        clip_ = next.clip;
        written_ = 0;
        drain_asked_ = false;
        drained_ = false;
        failed_ = false;
        started_ = Clock::now();
        asked_at_ = next.asked_at;
    }

    // Ends the sound when it is over, drops a dead connection, and closes a
    // finished sound's stream after its tail.
    void look_after() {
        if (context_ != nullptr && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
            if (stream_ != nullptr) {
                progress_->ended = current_;
            }
            stop();
            drop_connection();
        }
        if (waiting_) {
            if (context_ == nullptr ||
                Clock::now() - waiting_->asked_at >= waiting_->clip->length() + margin()) {
                progress_->ended = waiting_->number;
                waiting_.reset();
            } else {
                start_when_ready();
            }
        }
        if (stream_ != nullptr && finished()) {
            progress_->ended = current_;
            retire();
        }
        if (retired_ != nullptr && Clock::now() >= release_at_) {
            close_stream(retired_);
        }
    }

    // A sound is over when the server has played all of it (and it has had
    // the time to), when its stream failed, or, failing both, some time after
    // it should have ended.
    bool finished() const {
        if (failed_ || !clip_) {
            return true;
        }
        const Clock::duration elapsed = Clock::now() - started_;
        if (drained_ && elapsed >= clip_->length()) {
            return true;
        }
        return elapsed > clip_->length() + margin();
    }

    // A request is not played once a later one is waiting, nor when it comes
    // so late that the sound would already be over.
    bool stale(const Request& r) {
        const std::lock_guard lock(mailbox_->mutex);
        return mailbox_->pending || mailbox_->closing || r.number < progress_->asked.load() ||
               Clock::now() - r.asked_at >= r.clip->length();
    }

    static Clock::duration margin() { return std::chrono::milliseconds(QtSound::end_margin_ms); }

    void connect() {
        if (context_ != nullptr) {
            return;
        }
        if (loop_ == nullptr) {
            return;
        }
        context_ = pa_context_new(pa_mainloop_get_api(loop_), "Swoonery");
        if (context_ == nullptr) {
            return;
        }
        connecting_since_ = Clock::now();
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
            drop_connection();
        }
    }

    // True when the connection has been trying too long to come up: a server
    // that took the connection but never answered it.
    bool connection_given_up() const {
        return context_ != nullptr && pa_context_get_state(context_) != PA_CONTEXT_READY &&
               Clock::now() - connecting_since_ >= std::chrono::milliseconds(connect_patience_ms);
    }

    void drop_connection() {
        if (context_ == nullptr) {
            return;
        }
        close_stream(stream_);
        close_stream(retired_);
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    // Ends the sound now, and whatever is left of the one before.
    void stop() {
        close_stream(retired_);
        close_stream(stream_);
        clip_.reset();
    }

    // A finished sound's stream is kept open a little longer: the server
    // counts a sound as played once the sink has taken it, before the last of
    // it has left the loudspeaker, and closing the stream at once would clip that.
    void retire() {
        close_stream(retired_);
        retired_ = stream_;
        stream_ = nullptr;
        clip_.reset();
        release_at_ = Clock::now() + std::chrono::milliseconds(tail_ms);
    }

    static void close_stream(pa_stream*& stream) {
        if (stream == nullptr) {
            return;
        }
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        if (pa_stream_get_state(stream) == PA_STREAM_CREATING) {
            // A stream the server has not answered for yet (a stopped server)
            // cannot be closed; it is closed once the answer comes, or else
            // the server would keep it open, silent, as long as we are connected.
            pa_stream_set_state_callback(stream, &Player::on_orphan_state, nullptr);
        } else {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_disconnect(stream);
            pa_stream_unref(stream);
        }
        stream = nullptr;
    }

    // Ends a stream left behind by close_stream, with the last reference to it.
    static void on_orphan_state(pa_stream* stream, void*) {
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_CREATING || state == PA_STREAM_UNCONNECTED) {
            return;
        }
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        if (state == PA_STREAM_READY) {
            pa_stream_disconnect(stream);
        }
        pa_stream_unref(stream);
    }

    static void on_woken(pa_mainloop_api*, pa_io_event*, int, pa_io_event_flags_t, void* mailbox) {
        static_cast<const Mailbox*>(mailbox)->woken();
    }

    static void on_stream_state(pa_stream* stream, void* self) {
        auto* player = static_cast<Player*>(self);
        if (stream == player->stream_ && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) {
            player->failed_ = true;
        }
    }

    // Hands the server as much of the sound as it asks for; once all of it is
    // there, asks to hear when it has been played.
    static void on_writable(pa_stream* stream, std::size_t bytes, void* self) {
        auto* player = static_cast<Player*>(self);
        if (stream != player->stream_ || !player->clip_) {
            return;
        }
        // A server held up (stopped, or slow to open the stream) may ask for
        // the first bytes only once the sound's time is over: too late to
        // start it, as it would be to open it.
        if (player->written_ == 0 && Clock::now() - player->asked_at_ >= player->clip_->length()) {
            player->failed_ = true;
            return;
        }
        const QByteArray& pcm = player->clip_->pcm;
        const auto size = static_cast<std::size_t>(pcm.size());
        const std::size_t now = std::min(bytes, size - player->written_);
        if (now > 0 && pa_stream_write(stream, pcm.constData() + player->written_, now, nullptr, 0,
                                       PA_SEEK_RELATIVE) < 0) {
            player->failed_ = true;
            return;
        }
        player->written_ += now;
        if (player->written_ == size && !player->drain_asked_) {
            player->drain_asked_ = true;
            if (pa_operation* drain = pa_stream_drain(stream, &Player::on_drained, self)) {
                pa_operation_unref(drain);
            }
        }
    }

    static void on_drained(pa_stream* stream, int success, void* self) {
        auto* player = static_cast<Player*>(self);
        if (stream == player->stream_) {
            player->drained_ = success != 0;
            player->failed_ = success == 0;
        }
    }

    std::shared_ptr<Progress> progress_;
    std::shared_ptr<Mailbox> mailbox_;
    pa_mainloop* loop_ = mailbox_->loop;
    pa_context* context_ = nullptr;
    Clock::time_point connecting_since_;
    // A sound asked for while the connection comes up.
    std::optional<Request> waiting_;
    pa_stream* stream_ = nullptr;
    std::uint64_t current_ = 0;
    std::shared_ptr<const Clip> clip_;
    std::size_t written_ = 0;
    bool drain_asked_ = false;
    bool drained_ = false;
    bool failed_ = false;
    Clock::time_point started_;
    // When the game asked for the sound playing.
    Clock::time_point asked_at_;
    pa_stream* retired_ = nullptr;
    Clock::time_point release_at_;
};

// The sound thread: plays until told to close, then tells it has ended.
void sound_thread(std::shared_ptr<Progress> progress, std::shared_ptr<Mailbox> mailbox) {
    {
        Player player(std::move(progress), mailbox);
        player.run();
    }
    const std::lock_guard lock(mailbox->mutex);
    pa_mainloop_free(mailbox->loop);
    mailbox->loop = nullptr;
    mailbox->ended = true;
    mailbox->ended_cv.notify_all();
}

} // namespace

struct QtSound::Impl {
    QString folder;
    Alert alert;
    // Read on the game's thread; the clips themselves never change once read.
    QHash<QString, std::shared_ptr<const Clip>> clips;

    std::shared_ptr<Progress> progress = std::make_shared<Progress>();
    std::shared_ptr<Mailbox> mailbox = std::make_shared<Mailbox>();
    std::thread thread;
    // The last sound asked for and when it should be over at the latest.
    std::uint64_t last_sound = 0;
    Clock::time_point last_deadline;

    Impl(QString sounds_folder, Alert alert_call)
        : folder(std::move(sounds_folder)), alert(std::move(alert_call)) {
        if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) {
            folder += QLatin1Char('/');
        }
        mailbox->loop = pa_mainloop_new();
        if (mailbox->loop != nullptr && mailbox->wake_read >= 0) {
            thread = std::thread(sound_thread, progress, mailbox);
        } else if (mailbox->loop != nullptr) {
            pa_mainloop_free(mailbox->loop);
            mailbox->loop = nullptr;
        }
    }

    // The clip of a file, null when it is missing or cannot be played (then
    // `missing` tells which); a file that failed is looked for again next time.
    std::shared_ptr<const Clip> load(std::string_view file, bool& missing) {
        const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        missing = false;
        if (const auto known = clips.constFind(name); known != clips.constEnd()) {
            return known.value();
        }
        QFile input(folder + name);
        if (name.isEmpty() || !input.open(QIODevice::ReadOnly)) {
            missing = true;
            return nullptr;
        }
        if (input.size() > max_file_size) {
            return nullptr;
        }
        auto decoded = decode(input.readAll());
        if (decoded) {
            clips.insert(name, decoded);
        }
        return decoded;
    }

    // Hands a sound (or, with none, silence) to the sound's thread; never waits.
    std::uint64_t post(std::shared_ptr<const Clip> clip) {
        const std::uint64_t number = progress->asked.load() + 1;
        progress->asked = number;
        const Clock::time_point now = Clock::now();
        if (clip) {
            last_sound = number;
            last_deadline = now + clip->length() + std::chrono::milliseconds(end_margin_ms);
        }
        const std::lock_guard lock(mailbox->mutex);
        if (thread.joinable() && !mailbox->closing) {
            mailbox->pending = Request{number, std::move(clip), now};
            mailbox->wake();
        }
        return number;
    }

    bool over(std::uint64_t number) const {
        return progress->ended.load() >= number || Clock::now() >= last_deadline;
    }

    bool shut_down(std::chrono::milliseconds limit) {
        if (!thread.joinable()) {
            return true;
        }
        std::unique_lock lock(mailbox->mutex);
        mailbox->closing = true;
        mailbox->wake();
        if (!mailbox->ended_cv.wait_for(lock, limit, [this] { return mailbox->ended; })) {
            // Held up (a server being started for us, say): the thread owns
            // what it uses and ends by itself.
            lock.unlock();
            thread.detach();
            return false;
        }
        lock.unlock();
        thread.join();
        return true;
    }
};

QtSound::QtSound(QString sounds_folder, Alert alert)
    : impl_(std::make_unique<Impl>(std::move(sounds_folder), std::move(alert))) {}

QtSound::~QtSound() {
    shut_down(std::chrono::milliseconds(500));
}

void QtSound::play(std::string_view file) {
    bool missing = false;
    auto clip = impl_->load(file, missing);
    impl_->post(std::move(clip));
    // A file that is there but cannot be played is silence, like a sound
    // the audio server cannot play.
    if (missing && impl_->alert) {
        impl_->alert();
    }
}

void QtSound::play_to_end(std::string_view file) {
    bool missing = false;
    auto clip = impl_->load(file, missing);
    const bool silent = !clip || clip->duration_us <= 0;
    const std::uint64_t mine = impl_->post(std::move(clip));
    if (silent) {
        return;
    }
    // Windows keep painting meanwhile, but the player's clicks and keys wait.
    QEventLoop wait;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    check.setInterval(wait_interval_ms);
    QObject::connect(&check, &QTimer::timeout, &wait, [&] {
        if (impl_->over(mine)) {
            wait.quit();
        }
    });
    check.start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

bool QtSound::is_playing() const {
    return impl_->last_sound != 0 && !impl_->over(impl_->last_sound);
}

bool QtSound::shut_down(std::chrono::milliseconds limit) {
    return impl_->shut_down(limit);
}

QString QtSound::default_sounds_folder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sounds/");
}

void QtSound::default_alert() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QApplication::beep();
    }
}

} // namespace swoonery
