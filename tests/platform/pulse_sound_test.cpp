// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// QtSound through a real audio server: a private PulseAudio with a null sink
// whose monitor is recorded and measured with sox, to hear what a player hears.
#include "platform/qt_sound.h"

#include "pulse_server.h"
#include "wav_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace swoonery {
namespace {

using namespace Qt::StringLiterals;
using test::Band;
using test::Recording;
using test::run;
using test::window_ms;

test::Server* server = nullptr;
QString server_missing;

// A call held up by a stopped or absent server would not come back at all;
// half a second tells that from a busy machine. How fast a call is, is the
// latency benchmark's to measure.
constexpr qint64 kHeldUp = 500;

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
    // A busy machine can stretch a sound by a few windows; twice its length
    // would be the sound played again.
    EXPECT_LT(second_band.heard(), 2 * 300) << "the second sound was played again";
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

// A stopped audio server (SIGSTOP, as a hung daemon) holds nothing up: play()
// returns at once and the caller's events keep running, the wait for a sound's
// end gives up after its length and the margin, and once the server goes on a
// new sound is heard while none asked for during the stop is played late.
TEST_F(PulseSound, StoppedServerHoldsNothingUp) {
    Recording recording(folder_.filePath(u"stopped.wav"_s));
    ASSERT_TRUE(recording.running());
    server->stall();
    qint64 longest_gap = 0;
    QElapsedTimer since_tick;
    since_tick.start();
    QTimer painter;
    QObject::connect(&painter, &QTimer::timeout,
                     [&] { longest_gap = std::max(longest_gap, since_tick.restart()); });
    painter.start(5);
    qint64 longest_call = 0;
    for (const char* file : {"a440.wav", "c660.wav", "a440.wav", "c660.wav"}) {
        QElapsedTimer call;
        call.start();
        sound_.play(file);
        longest_call = std::max(longest_call, call.elapsed());
        QTest::qWait(150);
    }
    QElapsedTimer clock;
    clock.start();
    sound_.play_to_end("c660.wav");
    const qint64 waited = clock.elapsed();
    painter.stop();
    server->resume();
    QTest::qWait(500); // whatever was held up would play now
    sound_.play("b1000.wav");
    wait_until_quiet();
    QTest::qWait(300);
    recording.stop();

    EXPECT_LT(longest_call, kHeldUp) << "play() waited on the server";
    EXPECT_LT(longest_gap, kHeldUp) << "the caller's events were held up";
    EXPECT_GE(waited, 800) << "the wait ended before the sound could have";
    EXPECT_LE(waited, 800 + QtSound::end_margin_ms + 100);
    EXPECT_FALSE(recording.band(u"400-480"_s).first) << "a cut-off sound played late";
    EXPECT_FALSE(recording.band(u"600-720"_s).first) << "a sound past its time played late";
    const Band after = recording.band(u"950-1050"_s);
    ASSERT_TRUE(after.first) << "no sound once the server went on";
    EXPECT_GE(after.heard(), 280) << "the end of the sound was lost";
    EXPECT_EQ(alerts_, 0);
}

// A server stopped while a sound waits for it and let go once the sound's
// time is over does not get to play it then.
TEST_F(PulseSound, SoundPastItsTimeIsNotPlayedWhenTheServerReturns) {
    Recording recording(folder_.filePath(u"late.wav"_s));
    ASSERT_TRUE(recording.running());
    server->stall();
    sound_.play("c660.wav"); // 800 ms
    QTest::qWait(950);
    server->resume();
    QTest::qWait(800);
    recording.stop();
    EXPECT_FALSE(recording.band(u"600-720"_s).first) << "a sound past its time played late";
}

// Ending the sound service while the server is stopped takes no longer than
// the time allowed, and ends its thread (which never waits on the server);
// nothing of it plays once the server goes on.
TEST_F(PulseSound, ShutDownNeverWaitsOnAStoppedServer) {
    Recording recording(folder_.filePath(u"shut.wav"_s));
    ASSERT_TRUE(recording.running());
    server->stall();
    sound_.play("a440.wav");
    QTest::qWait(200); // the sound's requests now wait on the server
    QElapsedTimer clock;
    clock.start();
    const bool ended = sound_.shut_down(std::chrono::milliseconds(100));
    const qint64 took = clock.elapsed();
    server->resume();
    QTest::qWait(800); // whatever the server still held would play now
    sound_.play("c660.wav");
    QTest::qWait(300);
    recording.stop();

    EXPECT_TRUE(ended) << "the sound's thread waited on the stopped server";
    EXPECT_LT(took, 300) << "shutting down waited on the server";
    EXPECT_FALSE(recording.band(u"400-480"_s).first) << "the sound played after shutting down";
    EXPECT_FALSE(recording.band(u"600-720"_s).first) << "a sound played after shutting down";
}

// Sounds asked for while the server is stopped leave nothing open on it once
// it goes on: no silent stream of theirs is kept by the server.
TEST_F(PulseSound, StoppedServerKeepsNoStreamsOpen) {
    sound_.play("b1000.wav");
    QTest::qWait(500);
    server->stall();
    for (const char* file : {"a440.wav", "c660.wav", "a440.wav"}) {
        sound_.play(file);
        QTest::qWait(50);
    }
    server->resume();
    QElapsedTimer clock;
    clock.start();
    QString streams = u"?"_s;
    while (clock.elapsed() < 5000) {
        QTest::qWait(100);
        if (run(u"pactl"_s, {u"list"_s, u"short"_s, u"sink-inputs"_s}, &streams) &&
            streams.trimmed().isEmpty()) {
            break;
        }
    }
    EXPECT_TRUE(streams.trimmed().isEmpty()) << "streams left open: " << streams.toStdString();
}

// A server that is not there when the first sound is asked for, or that goes
// away, costs only silence: each sound returns at once without an alert, and
// the first sound after a server comes up (the first time or again) is heard.
TEST_F(PulseSound, ServerThatComesLaterIsFound) {
    const QByteArray running_server = qgetenv("PULSE_SERVER");
    std::optional<test::Server> late;
    late.emplace();
    qputenv("PULSE_SERVER", ("unix:" + late->address()).toLocal8Bit());
    QtSound sound(folder_.path(), [this] { ++alerts_; });
    QElapsedTimer call;
    call.start();
    sound.play("b1000.wav");
    const qint64 first_call = call.elapsed();
    QElapsedTimer quiet;
    quiet.start();
    while (sound.is_playing() && quiet.elapsed() < 2000) {
        QTest::qWait(5);
    }
    const qint64 silent_for = quiet.elapsed();
    for (const char* file : {"a440.wav", "c660.wav"}) {
        sound.play(file); // read now, so that the calls timed below only ask
    }

    // Each stage: start a server (the old one, if any, goes away), then ask
    // for a sound and listen for it.
    struct Stage {
        const char* what;
        const char* file;
        QString band;
    };
    const Stage stages[] = {
        {"the first server", "c660.wav", u"600-720"_s},
        {"a server started after the first one went", "b1000.wav", u"950-1050"_s}};
    for (const Stage& stage : stages) {
        SCOPED_TRACE(stage.what);
        if (late->process.state() != QProcess::NotRunning) {
            late.reset();
            sound.play("a440.wav"); // the connection it had is gone
            QTest::qWait(100);
            late.emplace();
        }
        const QString why = late->start();
        ASSERT_TRUE(why.isEmpty()) << why.toStdString();
        Recording recording(late->dir.filePath(u"late.wav"_s));
        ASSERT_TRUE(recording.running());
        call.restart();
        sound.play(stage.file);
        EXPECT_LT(call.elapsed(), kHeldUp) << "play() waited on the server";
        QTest::qWait(200);
        while (sound.is_playing() && call.elapsed() < 3000) {
            QTest::qWait(5);
        }
        QTest::qWait(300);
        recording.stop();
        const Band heard = recording.band(stage.band);
        ASSERT_TRUE(heard.first) << "no sound from a server that came up later";
        EXPECT_GE(heard.heard(), 250) << "the sound was cut short";
    }
    late.reset();
    qputenv("PULSE_SERVER", running_server);

    EXPECT_LT(first_call, kHeldUp) << "play() waited for a server that is not there";
    EXPECT_LT(silent_for, 1000) << "the sound without a server was not given up";
    EXPECT_EQ(alerts_, 0);
}

// A server that refuses the stream (it has no sink to play on) costs that
// sound only, at once and without an alert; the next sound tries again and is
// heard once the server can play it.
TEST_F(PulseSound, RefusedSoundIsSilenceAndTheNextTriesAgain) {
    const QByteArray running_server = qgetenv("PULSE_SERVER");
    test::Server refusing;
    const QString why = refusing.start();
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();
    ASSERT_TRUE(run(u"pactl"_s, {u"unload-module"_s, u"module-null-sink"_s}));
    QtSound sound(folder_.path(), [this] { ++alerts_; });
    QTest::qWait(200); // connected, so the refusal comes from the stream itself
    QElapsedTimer clock;
    clock.start();
    sound.play("a440.wav");
    const qint64 call = clock.elapsed();
    while (sound.is_playing() && clock.elapsed() < 5000) {
        QTest::qWait(5);
    }
    const qint64 given_up = clock.elapsed();

    ASSERT_TRUE(run(u"pactl"_s, {u"load-module"_s, u"module-null-sink"_s, u"sink_name=test"_s,
                                 u"norewinds=1"_s}));
    Recording recording(refusing.dir.filePath(u"refused.wav"_s));
    ASSERT_TRUE(recording.running());
    sound.play("c660.wav");
    QTest::qWait(200);
    while (sound.is_playing() && clock.elapsed() < 8000) {
        QTest::qWait(5);
    }
    QTest::qWait(300);
    recording.stop();
    qputenv("PULSE_SERVER", running_server);

    EXPECT_LT(call, kHeldUp) << "play() waited on the server";
    EXPECT_LT(given_up, 1000) << "a refused sound was waited for as if it played";
    const Band heard = recording.band(u"600-720"_s);
    ASSERT_TRUE(heard.first) << "the sound after a refused one was not heard";
    EXPECT_GE(heard.heard(), 780) << "the sound was cut short";
    EXPECT_EQ(alerts_, 0);
}

} // namespace
} // namespace swoonery

int main(int argc, char** argv) {
    return swoonery::test::run_tests_with_own_server(argc, argv, swoonery::server,
                                                     swoonery::server_missing);
}
