// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// QtSound where there is no audio device at all: no audio server may be
// reached from this test.
#include "platform/qt_sound.h"

#include "wav_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace swoonery {
namespace {

class SilentMachine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        write("long.wav", test::tone_wav(440, 2.0, 22050, 1, 16));
        write("short8.wav", test::tone_wav(880, 0.2, 8000, 2, 8));
        write("broken.wav", "RIFF....WAVEfmt nonsense");
    }
    void write(const char* name, const std::string& bytes) {
        test::write_file(folder_.filePath(QString::fromLatin1(name)).toStdString(), bytes);
    }

    QTemporaryDir folder_;
    int alerts_ = 0;
    QtSound sound_{folder_.path(), [this] { ++alerts_; }};
};

// A missing file gives the alert instead, and is looked for again next time;
// a file that is there but cannot be played is silence, and one that can be
// played gives no alert, device or not.
TEST_F(SilentMachine, AlertOnlyForMissingFiles) {
    for (const char* file : {"missing.wav", "", "late.wav"}) {
        sound_.play(file);
    }
    EXPECT_EQ(alerts_, 3);
    write("late.wav", test::tone_wav(440, 0.1, 8000, 1, 8));
    for (const char* file : {"short8.wav", "long.wav", "late.wav", "broken.wav"}) {
        sound_.play(file);
    }
    EXPECT_EQ(alerts_, 3);
}

// Without an audio device play_to_end neither hangs nor alerts, whatever the file.
TEST_F(SilentMachine, PlayToEndReturnsSilently) {
    for (const char* file : {"long.wav", "short8.wav", "missing.wav", "broken.wav"}) {
        QElapsedTimer clock;
        clock.start();
        sound_.play_to_end(file);
        EXPECT_LT(clock.elapsed(), 2000 + QtSound::end_margin_ms) << file;
        EXPECT_FALSE(sound_.is_playing()) << file;
    }
    EXPECT_EQ(alerts_, 0);
}

// Every sound is taken up by the sound's thread as soon as it is asked for,
// even one asked for the moment the one before is over: none waits unseen
// until its length has passed.
TEST_F(SilentMachine, EveryRequestIsTakenUpAtOnce) {
    qint64 longest = 0;
    for (int i = 0; i < 300; ++i) {
        QElapsedTimer clock;
        clock.start();
        sound_.play("short8.wav");
        while (sound_.is_playing() && clock.elapsed() < 2000) {
            // The next request follows the moment this one is over.
        }
        longest = std::max(longest, clock.elapsed());
    }
    EXPECT_LT(longest, 150) << "a request waited unseen until its sound's time was up";
    EXPECT_EQ(alerts_, 0);
}

} // namespace
} // namespace swoonery

int main(int argc, char** argv) {
    qputenv("PULSE_SERVER", "unix:/nonexistent/swoonery-no-sound");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
