// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A private PulseAudio for the sound tests: a null sink whose monitor is
// recorded and measured with sox, to hear what a player hears.
#pragma once

#include "platform/wav.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdint>
#include <optional>

namespace swoonery::test {

using Qt::Literals::StringLiterals::operator""_s;

// The recordings are judged in windows of this many ms.
inline constexpr int window_ms = 10;

inline bool run(const QString& program, const QStringList& args, QString* output = nullptr) {
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
        const QString socket = address();
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

    // Where the server listens (once started): PULSE_SERVER's value is "unix:" and this.
    QString address() const { return dir.filePath(u"native"_s); }

    // Stops the server as a hung audio daemon would (SIGSTOP), and lets it go on.
    void stall() { ::kill(pid_t(process.processId()), SIGSTOP); }
    void resume() { ::kill(pid_t(process.processId()), SIGCONT); }

    ~Server() {
        resume();
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }
};

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

// The main of a test program whose tests play through a PulseAudio server
// of their own: no client may start a server of its own, the server is
// started before the tests run, and `missing` says why it could not be.
inline int run_tests_with_own_server(int argc, char** argv, Server*& server, QString& missing) {
    QTemporaryDir client_config;
    QFile config(client_config.filePath(u"client.conf"_s));
    if (config.open(QIODevice::WriteOnly)) {
        config.write("autospawn = no\n");
        config.close();
    }
    qputenv("PULSE_CLIENTCONFIG", config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    Server own;
    server = &own;
    missing = own.start();
    return RUN_ALL_TESTS();
}

} // namespace swoonery::test
