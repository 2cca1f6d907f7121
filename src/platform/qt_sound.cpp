#include "platform/qt_sound.h"

#include "platform/wav.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

namespace swoonery {

namespace {

// Sounds are short effects; anything far larger is not one of ours.
constexpr qint64 max_file_size = 64 * 1024 * 1024;
// How often the sound's thread looks at the sink, and play_to_end at the thread.
constexpr int poll_interval_ms = 5;
constexpr int wait_interval_ms = 2;
constexpr int tail_ms = 250;

using Clock = std::chrono::steady_clock;

struct Clip {
    QAudioFormat format;
    QByteArray pcm; // always signed 16-bit, so every audio backend takes it
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
    clip->format.setSampleRate(wav.clip.sample_rate);
    clip->format.setChannelCount(wav.clip.channels);
    clip->format.setSampleFormat(QAudioFormat::Int16);
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

// The sound now playing and the sink under it. Lives on the sound's thread:
// every call that may wait on the audio server is made from here.
//
// The audio backend may run this thread's events while it waits on the
// server inside a sink call, so a request, a timer or the end of the thread
// can arrive in the middle of another request. They are then only noted, and
// the outer call takes them up once the backend has returned.
class Player final : public QObject {
  public:
    explicit Player(std::shared_ptr<Progress> progress) : progress_(std::move(progress)) {
        poll_.setInterval(poll_interval_ms);
        poll_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&poll_, &QTimer::timeout, this, [this] {
            step([this] {
                if (finished()) {
                    progress_->ended = current_;
                    retire();
                }
            });
        });
        release_.setSingleShot(true);
        release_.setInterval(tail_ms);
        QObject::connect(&release_, &QTimer::timeout, this, [this] {
            if (busy_) {
                release_.start();
            } else {
                step([this] { close_retired(); });
            }
        });
    }
    ~Player() override { stop(); }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Connects to the audio server before the first sound needs it.
    static void warm_up() { QMediaDevices::defaultAudioOutput(); }

    void request(Request next) {
        pending_ = std::move(next);
        run();
    }

    // Stops every sound and ends the thread, with this player.
    void close() {
        closing_ = true;
        run();
    }

  private:
    // Does one step on the sink unless another is under way (a timer's step
    // is then skipped: it comes again), then takes up what was noted meanwhile.
    template <class Step> void step(Step&& what) {
        if (busy_) {
            return;
        }
        busy_ = true;
        what();
        busy_ = false;
        run();
    }

    // Takes up the requests and the end noted so far, unless a step is under
    // way: that step does so when it is over.
    void run() {
        if (busy_) {
            return;
        }
        busy_ = true;
        while (pending_ || closing_) {
            if (closing_) {
                stop();
                pending_.reset();
                deleteLater(); // deleted as the thread ends
                QThread::currentThread()->quit();
                return;
            }
            Request next = std::move(*pending_);
            pending_.reset();
            begin(next);
        }
        busy_ = false;
    }

    void begin(const Request& next) {
        stop();
        progress_->ended = next.number - 1;
        if (!next.clip || stale(next)) {
            progress_->ended = next.number;
            return;
        }
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            progress_->ended = next.number;
            return;
        }
        current_ = next.number;
        clip_ = next.clip;
        source_ = std::make_unique<QBuffer>();
        source_->setData(clip_->pcm);
        source_->open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device, clip_->format);
        sink_->start(source_.get());
        const QAudio::Error error = sink_->error();
        // Opening the sink may have waited on the server past the sound's time.
        if ((error != QAudio::NoError && error != QAudio::UnderrunError) || stale(next)) {
            stop();
            progress_->ended = next.number;
            return;
        }
        since_start_.start();
        poll_.start();
    }

    // Ends the sound now, and whatever is left of the one before.
    void stop() {
        poll_.stop();
        close_retired();
        if (sink_) {
            sink_->stop();
        }
        sink_.reset();
        source_.reset();
        clip_.reset();
    }

    // A request is not played once a later one is waiting, nor when it comes
    // so late that the sound would already be over.
    bool stale(const Request& r) const {
        return pending_ || closing_ || r.number < progress_->asked.load() ||
               Clock::now() - r.asked_at >= r.clip->length();
    }

    // A sound is over when the device has played all of it (and it has had
    // the time to), when the device gave up on it, or, failing both, some time
    // after it should have ended.
    bool finished() const {
        if (!sink_ || !clip_) {
            return true;
        }
        const qint64 elapsed_us = since_start_.nsecsElapsed() / 1000;
        if (sink_->processedUSecs() >= clip_->duration_us && elapsed_us >= clip_->duration_us) {
            return true;
        }
        if (sink_->state() == QAudio::StoppedState) {
            return true;
        }
        return elapsed_us > clip_->duration_us + qint64{QtSound::end_margin_ms} * 1000;
    }

    // A finished sound's sink is kept open a little longer: the audio server
    // counts a sound as played once it has taken it, before the last of it has
    // left the loudspeaker, and closing the sink at once would clip that.
    void retire() {
        poll_.stop();
        close_retired();
        retired_sink_ = std::move(sink_);
        retired_source_ = std::move(source_);
        clip_.reset();
        release_.start();
    }

    void close_retired() {
        release_.stop();
        if (retired_sink_) {
            retired_sink_->stop();
        }
        retired_sink_.reset();
        retired_source_.reset();
    }

    std::shared_ptr<Progress> progress_;
    bool busy_ = false;
    bool closing_ = false;
    std::optional<Request> pending_;
    std::uint64_t current_ = 0;
    std::shared_ptr<const Clip> clip_;
    std::unique_ptr<QBuffer> source_;
    std::unique_ptr<QAudioSink> sink_;
    QElapsedTimer since_start_;
    QTimer poll_{this};
    std::unique_ptr<QBuffer> retired_source_;
    std::unique_ptr<QAudioSink> retired_sink_;
    QTimer release_{this};
};

} // namespace

struct QtSound::Impl {
    QString folder;
    Alert alert;
    // Read on the game's thread; the clips themselves never change once read.
    QHash<QString, std::shared_ptr<const Clip>> clips;

    std::shared_ptr<Progress> progress = std::make_shared<Progress>();
    QThread* thread = nullptr;
    Player* player = nullptr;
    // The last sound asked for and when it should be over at the latest.
    std::uint64_t last_sound = 0;
    Clock::time_point last_deadline;

    Impl(QString sounds_folder, Alert alert_call)
        : folder(std::move(sounds_folder)), alert(std::move(alert_call)) {
        if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) {
            folder += QLatin1Char('/');
        }
        thread = new QThread;
        thread->setObjectName(QStringLiteral("swoonery sound"));
        player = new Player(progress);
        player->moveToThread(thread);
        thread->start();
        QMetaObject::invokeMethod(player, &Player::warm_up, Qt::QueuedConnection);
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
        if (player != nullptr) {
            QMetaObject::invokeMethod(
                player, [p = player, r = Request{number, std::move(clip), now}] { p->request(r); },
                Qt::QueuedConnection);
        }
        return number;
    }

    bool over(std::uint64_t number) const {
        return progress->ended.load() >= number || Clock::now() >= last_deadline;
    }

    bool shut_down(std::chrono::milliseconds limit) {
        if (thread == nullptr) {
            return true;
        }
        QMetaObject::invokeMethod(player, &Player::close, Qt::QueuedConnection);
        player = nullptr;
        // Should the wait below give up, the thread goes once it ends by itself.
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        if (!thread->wait(QDeadlineTimer(limit))) {
            // Held up inside the audio libraries: the thread (and the player
            // it owns) are left behind, and end when the server lets them.
            thread = nullptr;
            return false;
        }
        delete thread;
        thread = nullptr;
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
