// What every screen is given at construction: the shared state and the
// services from outside the program's logic (random draws, sound cues,
// message boxes, clock), plus the way to end the program.
#pragma once

#include <functional>

struct PracticeState;
class RandomSource;
class SoundCues;
class Dialogs;
class Clock;
class TDataModule1;

struct AppContext {
    PracticeState& state;
    RandomSource& random;
    SoundCues& cues;
    Dialogs& dialogs;
    Clock& clock;
    TDataModule1* results = nullptr; // the drill results store
    std::function<void()> quit;      // ends the program

    void PlaySoundCue(int n);
};

// Asks "終わっても いいの？"; only Yes ends the program.
void ConfirmQuit(AppContext& ctx);
