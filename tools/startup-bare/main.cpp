// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt Widgets window of the set-up form's size, holding the same kinds
// of widgets in the same places (a picture, two frames, the name box, three
// captioned sliders, a points label, two buttons), that quits as soon as it has
// been painted once: what any Qt program pays to get that window up.
//
// Built a second time as startup-bare-audio, which after the first paint also
// plays a short tone through Qt Multimedia's audio sink and then quits: what
// any Qt program with sound pays in memory, the floor for the game in play.
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#ifdef SWOONERY_BARE_AUDIO
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

#include <cmath>
#include <numbers>
#endif

namespace {

class BareWindow final : public QWidget {
public:
    BareWindow() {
        resize(291, 375);
        auto* banner = new QLabel(this);
        banner->setGeometry(8, 8, 275, 80);
        banner->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

        auto* name_frame = new QGroupBox(QStringLiteral("Name"), this);
        name_frame->setGeometry(8, 96, 275, 54);
        (new QLineEdit(name_frame))->setGeometry(10, 22, 255, 22);

        auto* ratings = new QGroupBox(QStringLiteral("Ratings"), this);
        ratings->setGeometry(8, 158, 275, 176);
        for (const int top : {22, 66, 110}) {
            (new QLabel(QStringLiteral("Rating"), ratings))->setGeometry(12, top, 251, 16);
            auto* s = new QSlider(Qt::Horizontal, ratings);
            s->setGeometry(10, top + 16, 255, 24);
            s->setRange(0, 100);
            s->setTickPosition(QSlider::TicksBelow);
            s->setTickInterval(10);
        }
        (new QLabel(QStringLiteral("Points"), ratings))->setGeometry(12, 154, 251, 16);

        (new QPushButton(QStringLiteral("OK"), this))->setGeometry(122, 342, 75, 25);
        (new QPushButton(QStringLiteral("Exit"), this))->setGeometry(208, 342, 75, 25);
    }

protected:
    bool event(QEvent* e) override {
        const bool handled = QWidget::event(e);
        if (e->type() == QEvent::Paint && !painted_) {
            painted_ = true;
#ifdef SWOONERY_BARE_AUDIO
            QTimer::singleShot(0, this, [this] { play_tone(); });
#else
            // Queued, so the paint reaches the screen first.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
#endif
        }
        return handled;
    }

private:
#ifdef SWOONERY_BARE_AUDIO
    // 200 ms of a 440 Hz tone, then quits once it has had the time to play.
    void play_tone() {
        QAudioFormat format;
        format.setSampleRate(22050);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        QByteArray pcm(22050 / 5 * 2, '\0');
        for (int i = 0; i < pcm.size() / 2; ++i) {
            const auto v =
                static_cast<qint16>(8000 * std::sin(i * 2 * std::numbers::pi * 440 / 22050));
            pcm[2 * i] = static_cast<char>(v & 0xFF);
            pcm[2 * i + 1] = static_cast<char>((v >> 8) & 0xFF);
        }
        tone_.setData(pcm);
        tone_.open(QIODevice::ReadOnly);
        sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
        sink_->start(&tone_);
        QTimer::singleShot(400, QCoreApplication::instance(), &QCoreApplication::quit);
    }

    QBuffer tone_;
    QAudioSink* sink_ = nullptr;
#endif
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
