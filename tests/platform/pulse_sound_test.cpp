// QtSound through a real audio server: a private PulseAudio with a null sink
// whose monitor is recorded and measured with sox, to hear what a player hears.
#include "platform/qt_sound.h"
#include "platform/wav.h"

#include "wav_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace swoonery {
namespace {

using namespace Qt::StringLiterals;

constexpr int window_ms = 10;

bool run(const QString& program, const QStringList& args, QString* output = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool done = process.waitForFinished(10000);
    if (output != nullptr) {
        *output = QString::fromLocal8Bit(process.readAll());
    }
    return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The audio server for the whole run, with its own runtime folder.
struct Server {
    QTemporaryDir dir;
    QProcess process;

    // Why the server is not there, or empty once it answers.
    QString start() {
        for (const QString& tool : {u"pulseaudio"_s, u"pactl"_s, u"parecord"_s, u"sox"_s}) {
            if (QStandardPaths::findExecutable(tool).isEmpty()) {
                return tool + u" is missing (packages pulseaudio, pulseaudio-utils, sox)"_s;
            }
        }
        const QString socket = dir.filePath(u"native"_s);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name :
             {u"HOME"_s, u"XDG_RUNTIME_DIR"_s, u"PULSE_RUNTIME_PATH"_s, u"PULSE_STATE_PATH"_s}) {
            env.insert(name, dir.path());
        }
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardOutputFile(dir.filePath(u"server.log"_s));
        process.start(u"pulseaudio"_s,
                      {u"-n"_s, u"--daemonize=no"_s, u"--system=no"_s, u"--exit-idle-time=-1"_s,
                       u"--use-pid-file=no"_s, u"--disable-shm=yes"_s, u"--log-target=stderr"_s,
                       u"-L"_s, u"module-null-sink sink_name=test norewinds=1"_s, u"-L"_s,
                       u"module-native-protocol-unix auth-anonymous=1 socket="_s + socket});
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        QElapsedTimer clock;
        clock.start();
        while (process.state() != QProcess::NotRunning && clock.elapsed() < 10000) {
            if (QFileInfo::exists(socket) && run(u"pactl"_s, {u"info"_s})) {
                return {};
            }
            QTest::qWait(100);
        }
        return u"pulseaudio does not answer; see "_s + dir.filePath(u"server.log"_s);
    }

    ~Server() {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }
};
QString server_missing;

// When a band of frequencies of the recording is heard, in ms from its start.
struct Band {
    std::optional<int> first, last; // last: the end of the last window heard
    int heard() const { return *last - *first; }
};

class Recording {
  public:
    explicit Recording(QString path) : path_(std::move(path)) {
        recorder_.start(u"parecord"_s,
                        {u"--device=test.monitor"_s, u"--file-format=wav"_s, u"--format=s16le"_s,
                         u"--channels=1"_s, u"--rate=44100"_s, path_});
        // The monitor records silence from the start, so a growing file means it runs.
        QElapsedTimer clock;
        clock.start();
        while (!running() && clock.elapsed() < 5000) {
            QTest::qWait(20);
        }
    }
    ~Recording() { stop(); }

    bool running() const { return QFileInfo(path_).size() >= 8192; }

    void stop() {
        if (recorder_.state() != QProcess::NotRunning) {
            ::kill(pid_t(recorder_.processId()), SIGINT); // parecord finishes the file on SIGINT
            recorder_.waitForFinished(5000);
        }
    }

    double rms() const {
        QString out;
        run(u"sox"_s, {path_, u"-n"_s, u"stat"_s}, &out);
        return QRegularExpression(u"RMS\\s+amplitude:\\s+([0-9.]+)"_s)
            .match(out)
            .captured(1)
            .toDouble();
    }

    // The recording through sox's band-pass filter, e.g. "400-480" Hz.
    Band band(const QString& range) const {
        const QString filtered = path_ + range + u".wav"_s;
        QFile file(filtered);
        if (!run(u"sox"_s, {path_, filtered, u"sinc"_s, range}) ||
            !file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = file.readAll();
        const WavResult wav =
            parse_wav(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        EXPECT_TRUE(wav && wav.clip.bits_per_sample == 16 && wav.clip.channels == 1);
        const auto* data =
            reinterpret_cast<const unsigned char*>(bytes.constData() + wav.clip.data_offset);
        const int window = wav.clip.sample_rate * window_ms / 1000;
        Band band;
        for (int start = 0; (start + window) * 2 <= int(wav.clip.data_size); start += window) {
            double sum = 0;
            for (int i = start; i < start + window; ++i) {
                const double value = std::int16_t(data[2 * i] | (data[2 * i + 1] << 8)) / 32768.0;
                sum += value * value;
            }
            if (std::sqrt(sum / window) > 0.05) { // the tones themselves are at 0.35
                const int at = start / window * window_ms;
                band.first = band.first.value_or(at);
                band.last = at + window_ms;
            }
        }
        return band;
    }

  private:
    QString path_;
    QProcess recorder_;
};

class PulseSound : public testing::Test {
  protected:
    void SetUp() override {
        if (!server_missing.isEmpty()) {
            GTEST_SKIP() << "PulseAudio cannot run here: " << server_missing.toStdString();
        }
        write("a440.wav", test::tone_wav(440, 2.0, 44100, 1, 16));
        write("b1000.wav", test::tone_wav(1000, 0.3, 22050, 2, 8));
        write("c660.wav", test::tone_wav(660, 0.8, 48000, 2, 16));
    }
    void write(const char* name, const std::string& bytes) {
        test::write_file(folder_.filePath(QString::fromLatin1(name)).toStdString(), bytes);
    }
    qint64 wait_until_quiet() {
        QElapsedTimer clock;
        clock.start();
        while (sound_.is_playing() && clock.elapsed() < 5000) {
            QTest::qWait(5);
        }
        return clock.elapsed();
    }

    QTemporaryDir folder_;
    int alerts_ = 0;
    QtSound sound_{folder_.path(), [this] { ++alerts_; }};
};

// A new sound silences the old one at once, and itself plays to its very end.
TEST_F(PulseSound, SecondSoundCutsOffTheFirst) {
    Recording recording(folder_.filePath(u"cut.wav"_s));
    ASSERT_TRUE(recording.running());
    sound_.play("a440.wav");
    QTest::qWait(300);
    QElapsedTimer second;
    second.start();
    sound_.play("b1000.wav");
    wait_until_quiet();
    const qint64 lasted = second.elapsed();
    QTest::qWait(300);
    recording.stop();

    EXPECT_EQ(alerts_, 0);
    EXPECT_GE(lasted, 300) << "the sound was over before it could have been heard";
    EXPECT_LT(lasted, 300 + QtSound::end_margin_ms);
    EXPECT_GT(recording.rms(), 0.05) << "the recording is silent";
    const Band first = recording.band(u"400-480"_s);
    const Band second_band = recording.band(u"950-1050"_s);
    ASSERT_TRUE(first.first && second_band.first) << "a tone is missing from the recording";
    EXPECT_GE(*second_band.first - *first.first, 200);
    EXPECT_LE(*second_band.first - *first.first, 600);
    EXPECT_LE(*first.last, *second_band.first + 3 * window_ms) << "the first sound went on";
    EXPECT_GE(second_band.heard(), 280) << "the end of the second sound was lost";
    EXPECT_LE(second_band.heard(), 350);
}

// play_to_end cuts off the sound before, waits for the whole of its own sound
// while timers (painting) go on, and the last of it is heard.
TEST_F(PulseSound, PlayToEndWaitsForTheWholeSound) {
    Recording recording(folder_.filePath(u"end.wav"_s));
    ASSERT_TRUE(recording.running());
    sound_.play("a440.wav");
    QTest::qWait(200);
    int ticks = 0;
    QTimer painter;
    QObject::connect(&painter, &QTimer::timeout, [&] { ++ticks; });
    painter.start(20);
    QElapsedTimer clock;
    clock.start();
    sound_.play_to_end("c660.wav");
    const qint64 waited = clock.elapsed();
    EXPECT_FALSE(sound_.is_playing());
    QTest::qWait(300);
    recording.stop();

    EXPECT_GE(waited, 800);
    EXPECT_LT(waited, 800 + QtSound::end_margin_ms);
    EXPECT_GE(ticks, 30) << "the game could not paint while waiting";
    const Band first = recording.band(u"400-480"_s);
    const Band jingle = recording.band(u"600-720"_s);
    ASSERT_TRUE(first.first && jingle.first) << "a tone is missing from the recording";
    EXPECT_LE(*first.last, *jingle.first + 3 * window_ms) << "the first sound went on";
    EXPECT_GE(jingle.heard(), 780) << "the end of the sound was lost";
}

// A device that stops playing (here a suspended sink) holds play_to_end up
// only until its time-out, and frees an asynchronous sound the same way.
TEST_F(PulseSound, StalledDeviceCannotHoldTheGameUp) {
    ASSERT_TRUE(run(u"pactl"_s, {u"suspend-sink"_s, u"test"_s, u"1"_s}));
    QElapsedTimer clock;
    clock.start();
    sound_.play_to_end("c660.wav");
    const qint64 waited = clock.elapsed();
    sound_.play("c660.wav");
    const qint64 freed = wait_until_quiet();
    run(u"pactl"_s, {u"suspend-sink"_s, u"test"_s, u"0"_s});

    EXPECT_GE(waited, 800);
    EXPECT_LT(waited, 800 + QtSound::end_margin_ms + 300);
    EXPECT_LT(freed, 800 + QtSound::end_margin_ms + 300);
    EXPECT_EQ(alerts_, 0);
}

} // namespace
} // namespace swoonery

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    swoonery::Server server;
    swoonery::server_missing = server.start();
    return RUN_ALL_TESTS();
}
