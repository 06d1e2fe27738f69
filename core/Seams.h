// The three things besides random draws that come from outside the program's
// logic: sound output, message boxes and the clock. Each has one production
// implementation (Platform.h) and a fake for tests (tests/support).
#pragma once

#include <QDateTime>
#include <QString>

// Plays wave files by path; a new sound replaces the one still playing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Opens the file and, when `audible`, starts playing it without waiting.
    // Returns false with a reason in `error` when the file is missing or
    // cannot be played; nothing is heard then.
    virtual bool play(const QString& path, bool audible, QString* error) = 0;
};

// Questions and messages to the person at the screen.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A Yes/No question; true only for Yes.
    virtual bool confirm(const QString& text) = 0;
    // An information box with OK.
    virtual void information(const QString& text) = 0;
    // An error box with OK.
    virtual void error(const QString& text) = 0;
};

// The local date-time and a monotonic millisecond counter.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds on a clock that never jumps (for elapsed times).
    virtual qint64 monotonicMs() const = 0;
};
