#include "platform/qt_sound.h"

#include "platform/wav.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

namespace swoonery {

namespace {

// Sounds are short effects; anything far larger is not one of ours.
constexpr qint64 max_file_size = 64 * 1024 * 1024;
constexpr int poll_interval_ms = 10;
constexpr int tail_ms = 250;

struct Clip {
    QAudioFormat format;
    QByteArray pcm; // always signed 16-bit, so every audio backend takes it
    qint64 duration_us = 0;
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

} // namespace

struct QtSound::Impl {
    QString folder;
    Alert alert;
    QHash<QString, std::shared_ptr<const Clip>> clips;

    // The sound now playing, if any.
    std::shared_ptr<const Clip> clip;
    std::unique_ptr<QBuffer> source;
    std::unique_ptr<QAudioSink> sink;
    QElapsedTimer since_start;
    QTimer poll;
    // A finished sound's sink is kept open a little longer: the audio server
    // counts a sound as played once it has taken it, before the last of it has
    // left the loudspeaker, and closing the sink at once would clip that.
    std::unique_ptr<QBuffer> retired_source;
    std::unique_ptr<QAudioSink> retired_sink;
    QTimer release;
    // Counts the sounds started, so a wait can tell that its sound is over.
    std::uint64_t generation = 0;

    Impl(QString sounds_folder, Alert alert_call)
        : folder(std::move(sounds_folder)), alert(std::move(alert_call)) {
        if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) {
            folder += QLatin1Char('/');
        }
        poll.setInterval(poll_interval_ms);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (finished()) {
                retire();
            }
        });
        release.setSingleShot(true);
        release.setInterval(tail_ms);
        QObject::connect(&release, &QTimer::timeout, [this] { close_retired(); });
    }

    ~Impl() { stop(); }

    std::shared_ptr<const Clip> load(std::string_view file) {
        const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        if (const auto found = clips.constFind(name); found != clips.constEnd()) {
            return found.value();
        }
        QFile input(folder + name);
        if (name.isEmpty() || !input.open(QIODevice::ReadOnly) || input.size() > max_file_size) {
            return nullptr;
        }
        auto decoded = decode(input.readAll());
        if (decoded) {
            clips.insert(name, decoded);
        }
        return decoded;
    }

    // Starts the clip on the default output; false when there is nothing to
    // play it on.
    bool start(std::shared_ptr<const Clip> next) {
        stop();
        if (next->duration_us <= 0) {
            return false;
        }
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            return false;
        }
        clip = std::move(next);
        source = std::make_unique<QBuffer>();
        source->setData(clip->pcm);
        source->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(device, clip->format);
        sink->start(source.get());
        if (sink->error() != QAudio::NoError && sink->error() != QAudio::UnderrunError) {
            stop();
            return false;
        }
        ++generation;
        since_start.start();
        poll.start();
        return true;
    }

    // A sound is over when the device has played all of it (and it has had
    // the time to), when the device gave up on it, or, failing both, some time
    // after it should have ended.
    bool finished() const {
        if (!sink) {
            return true;
        }
        const qint64 elapsed_us = since_start.nsecsElapsed() / 1000;
        if (sink->processedUSecs() >= clip->duration_us && elapsed_us >= clip->duration_us) {
            return true;
        }
        if (sink->state() == QAudio::StoppedState) {
            return true;
        }
        return elapsed_us > clip->duration_us + qint64{end_margin_ms} * 1000;
    }

    void retire() {
        poll.stop();
        close_retired();
        retired_sink = std::move(sink);
        retired_source = std::move(source);
        clip.reset();
        release.start();
    }

    void close_retired() {
        release.stop();
        if (retired_sink) {
            retired_sink->stop();
        }
        retired_sink.reset();
        retired_source.reset();
    }

    // Ends the sound now, and whatever is left of the one before.
    void stop() {
        poll.stop();
        close_retired();
        if (sink) {
            sink->stop();
        }
        sink.reset();
        source.reset();
        clip.reset();
    }
};

QtSound::QtSound(QString sounds_folder, Alert alert)
    : impl_(std::make_unique<Impl>(std::move(sounds_folder), std::move(alert))) {}

QtSound::~QtSound() = default;

void QtSound::play(std::string_view file) {
    auto clip = impl_->load(file);
    if (!clip) {
        impl_->stop();
        if (impl_->alert) {
            impl_->alert();
        }
        return;
    }
    impl_->start(std::move(clip));
}

void QtSound::play_to_end(std::string_view file) {
    auto clip = impl_->load(file);
    if (!clip) {
        impl_->stop();
        return;
    }
    if (!impl_->start(std::move(clip))) {
        return;
    }
    // Windows keep painting meanwhile, but the player's clicks and keys wait.
    QEventLoop wait;
    QTimer check;
    check.setInterval(poll_interval_ms);
    const std::uint64_t mine = impl_->generation;
    QObject::connect(&check, &QTimer::timeout, &wait, [&] {
        if (impl_->generation != mine || !impl_->sink || impl_->finished()) {
            wait.quit();
        }
    });
    check.start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (impl_->generation == mine && impl_->sink) {
        impl_->retire();
    }
}

bool QtSound::is_playing() const {
    return impl_->sink != nullptr;
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
