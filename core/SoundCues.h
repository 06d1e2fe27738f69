// The numbered sound cues: cue n plays one of twenty wave files from the
// "oto" folder beside the program. A new cue replaces the one playing; while
// sound is off (the first second after start-up) cues are opened but silent.
#pragma once

#include <QString>

struct PracticeState;
class SoundOutput;
class Dialogs;

class SoundCues {
public:
    SoundCues(PracticeState& state, SoundOutput& output, Dialogs& dialogs);

    // Plays cue n (1 … 20). Any other n plays the previous cue's file again.
    // A missing or broken file never stops the caller: the first failure of
    // a run is shown in a message box, later ones go to standard error.
    void PlaySoundCue(int n);

    // The file of cue n relative to the program folder, e.g. "oto/poon.wav";
    // empty when n is outside 1 … 20.
    static QString cueFile(int n);

    // The file the player holds now (full path), empty before the first cue.
    QString currentFile() const { return current_; }

private:
    PracticeState& state_;
    SoundOutput& output_;
    Dialogs& dialogs_;
    QString current_;
    bool failureShown_ = false;
};
