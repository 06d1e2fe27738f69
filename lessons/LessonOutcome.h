// What a lesson's logic tells the lesson screen after an answer entry or a
// worked step: wait for another entry, judge, ignore; go on or finish.
// Plain values, so a screen's logic can be tested without widgets.
#pragma once

#include <QString>

// The result of one use of the submit box.
struct EntryOutcome {
    enum class Kind {
        More,   // the answer needs another entry: re-arm the wheels and ask for it
        Judge,  // the answer is complete: show ○ or × and the correct answer
        Ignore, // nothing happens and the entry is not counted (e.g. after the verdict)
    };
    Kind kind = Kind::Ignore;
    QString prompt;     // More: what the child enters next
    bool right = false; // Judge: the verdict

    static EntryOutcome more(const QString& prompt) { return {Kind::More, prompt, false}; }
    static EntryOutcome judge(bool right) { return {Kind::Judge, QString(), right}; }
    static EntryOutcome ignore() { return {}; }
};

// The result of one press of the step button of a worked solution.
struct StepOutcome {
    bool last = false; // this step completed the solution
    // Not last: the number the step button shows next (0: the step after this
    // one) and the prompt (empty: the prompt is kept as it is).
    int nextStep = 0;
    QString prompt;
    // Last: whether the step button goes back to "ステップ１".
    bool recaption = true;

    static StepOutcome more(const QString& prompt = QString(), int nextStep = 0) {
        return {false, nextStep, prompt, true};
    }
    static StepOutcome done(bool recaption = true) { return {true, 0, QString(), recaption}; }
};
