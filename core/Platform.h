// The production implementations of the sound, dialog and clock seams:
// Qt Multimedia for the cues, QMessageBox for questions, the system clock.
#pragma once

#include "core/Seams.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <memory>

class QSoundEffect;
class QWidget;

// Plays short wave files through QSoundEffect. Each file gets one effect,
// created on first audible use; playing one stops the previous one.
class QtSoundOutput final : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    bool play(const QString& path, bool audible, QString* error) override;

private:
    // Every file found playable, with its effect once it has been heard.
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

// Message boxes over the active window, titled with the application name.
class QtDialogs final : public Dialogs {
public:
    bool confirm(const QString& text) override;
    void information(const QString& text) override;
    void error(const QString& text) override;
};

class SystemClock final : public Clock {
public:
    SystemClock() { started_.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return started_.elapsed(); }

private:
    QElapsedTimer started_;
};

// Checks that a file is a RIFF/WAVE file with a PCM format chunk we can play.
// Returns an empty string when it is, else the reason in Japanese.
QString checkWaveFile(const QString& path);
