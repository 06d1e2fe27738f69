// Fakes of the outside world for tests: a scripted random source, a sound
// output that records cues, dialogs answered without a modal loop, a clock
// set by hand, and TestApp, which wires them into an AppContext.
#pragma once

#include "core/AppContext.h"
#include "core/PracticeState.h"
#include "core/RandomSource.h"
#include "core/Seams.h"
#include "core/SoundCues.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <deque>
#include <random>

class QWidget;

// Returns scripted values from below(); once the script is used up, draws
// from a fixed-seed generator. A scripted value out of range is recorded.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    int below(int n) override;

    // Queues raw below() results.
    void push(std::initializer_list<int> values);
    // Queues results so that between(lo, hi) yields `value`.
    void pushBetween(int lo, int value) { script.push_back(value - lo); }

    std::deque<int> script;
    int reseeds = 0;
    QStringList outOfRange;
    std::mt19937 fallback{20261211};
};

// Records every sound request; files named in `missing` fail to play.
class FakeSound final : public SoundOutput {
public:
    struct Play {
        QString path;
        bool audible;
    };
    bool play(const QString& path, bool audible, QString* error) override;

    QList<Play> plays;
    QSet<QString> missing; // file names such as "poon.wav"
};

// Answers questions from a queue (No when empty) and records every text.
class FakeDialogs final : public Dialogs {
public:
    bool confirm(const QString& text) override;
    void information(const QString& text) override { infos << text; }
    void error(const QString& text) override { errors << text; }

    std::deque<bool> answers;
    QStringList questions;
    QStringList infos;
    QStringList errors;
};

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic; }
    // Moves both clocks on.
    void advance(qint64 ms) {
        current = current.addMSecs(ms);
        monotonic += ms;
    }

    QDateTime current{QDate(2026, 12, 9), QTime(15, 7, 0)};
    qint64 monotonic = 1000000;
};

// The shared state and fakes wired into one context. ExeDir is the build
// folder, where the program's wave files, pictures and help pages are.
struct TestApp {
    TestApp();

    // Cue numbers requested so far, in order (from the recorded paths).
    QList<int> cueLog() const;
    // Audible cue numbers only.
    QList<int> audibleCues() const;
    void clearCues() { sound.plays.clear(); }

    PracticeState state;
    ScriptedRandom random;
    FakeSound sound;
    FakeDialogs dialogs;
    FakeClock clock;
    SoundCues cues;
    int quitRequests = 0;
    AppContext ctx;
};

// Driving screens the way a child does, by control name.
namespace Ui {
QWidget* find(QWidget* root, const QString& name);
// Clicks a button; fails the test when it is missing, hidden or disabled.
void click(QWidget* root, const QString& name);
// Chooses an item of a SimpleCombo as a click would.
void choose(QWidget* root, const QString& name, int index);
QString text(QWidget* root, const QString& name);
bool visible(QWidget* root, const QString& name);
bool enabled(QWidget* root, const QString& name);
} // namespace Ui
