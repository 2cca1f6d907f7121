// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The cat event's sound and window for the latency benchmark: a click on the
// probe's button plays cat.wav through the sound module to its end, as the
// game's cat event does, and then shows a window, so that the time from the
// sound's end at the audio server to the window can be measured from outside.
#include "ui/lazy_sound.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    swoonery::ui::LazySound sound(QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/swoonery-sound"));
    QLabel cat(QStringLiteral("OOPS!!"));
    cat.setGeometry(300, 300, 200, 80); // clear of the button
    QPushButton step(QStringLiteral("Take Her Out"));
    step.resize(160, 60);
    QObject::connect(&step, &QPushButton::clicked, [&] {
        sound.play_to_end(swoonery::Sound::Cat);
        cat.show();
    });
    step.show();
    QTimer::singleShot(400, &step, [&sound] { sound.preload(); });
    return QApplication::exec();
}
