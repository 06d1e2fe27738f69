// The one record of state that all screens share: mode, menu choice, counters,
// answer registers, the operands of the current problem and the outputs of the
// random helpers. Only one screen is active at a time, so one record serves all.
#pragma once

#include <QString>

struct PracticeState {
    QString ExeDir;       // program folder, with a trailing separator
    int SoundOn = 0;      // cues are audible only when 1
    int BlinkCount = 0;   // tick counter of the prompt blink
    int LessonMode = 1;   // 1 = study ("べんきょう"), 2 = test ("テスト")
    int MenuChoice = 0;   // 1-based sub-topic of the current menu box; kept across screens
    int ProblemCount = 0; // lessons: "次へ" presses; drills: number of the current problem
    int StepIndex = 0;    // worked steps shown or entries made for the current problem
    int ResultsShown = 0; // on/off flag of a panel toggled by a button
    int CorrectCount = 0; // drills: number of "○" in the run
    int BaseNumber = 0;   // the number of a multiples or divisors problem

    int DigitInput[5] = {0, 0, 0, 0, 0}; // answer registers, weights 10000, 1000, 100, 10, 1
    int EnteredValue = 0;
    int CorrectValue = 0;

    // Operands of the current problem (whole part, denominator, numerator).
    int Whole1 = 0, Den1 = 0, Num1 = 0;
    int Whole2 = 0, Den2 = 0, Num2 = 0;
    int Whole3 = 0, Den3 = 0, Num3 = 0;
    int Whole4 = 0, Den4 = 0, Num4 = 0;

    // Drills: parts of the entered answer. The units screen also uses them
    // (and EnteredExtra) as further digit registers.
    int EnteredWhole = 0, EnteredDen = 0, EnteredNum = 0;
    int EnteredExtra = 0;

    // Outputs of RandomFraction and RandomDecimal.
    int RandDen = 0, RandNum = 0;
    int RandDecimal = 0, RandPlaces = 0;

    static constexpr int PlaceWeight[5] = {10000, 1000, 100, 10, 1};
};
