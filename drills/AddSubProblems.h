// The problems of the drill for adding and subtracting fractions: sums and
// differences of two fractions or mixed numbers with unlike denominators,
// and sums of three (the last one possibly subtracted), with the expected
// answer as a reduced mixed number and the text for the results table.
#pragma once

#include "drills/DrillLogic.h"

#include <QString>

struct PracticeState;
class RandomSource;

// Kinds of problem: a + b, a − b, a + b + c, a + b − c.
enum AddSubKind { KindSum = 1, KindDifference = 2, KindSumOfThree = 3, KindSumLessThird = 4 };

// The working of one candidate problem.
struct AddSubWork {
    int CommonDen = 0;  // least common multiple of the denominators
    int ScaledNum1 = 0; // each numerator over CommonDen
    int ScaledNum2 = 0;
    int ScaledNum3 = 0;
    int WholeSum = 0;   // the whole parts combined
    int NumSum = 0;     // the scaled numerators combined
    MixedAnswer answer; // reduced; a whole result has denominator and numerator 0
};

// Works out the operands in `s` (Whole1 … Num3; Den3 = 0 leaves c out) for
// `kind`. The answer is set only when NumSum is above 0.
AddSubWork ComputeAddSubAnswer(const PracticeState& s, int kind);

// Draws a problem a + b (kind 1) or a − b (kind 2) into Whole1 … Num2 and
// clears operand c. Every posed problem has unlike denominators, a common
// denominator below 100 and a positive answer whose whole part fits the wheel.
AddSubWork MakeTwoTermProblem(PracticeState& s, RandomSource& random, int kind);

// Draws a problem a + b + c (kind 3) or a + b − c (kind 4) into Whole1 … Num3,
// with three different denominators and the first whole part the largest.
AddSubWork MakeThreeTermProblem(PracticeState& s, RandomSource& random, int kind);

// The kind of every problem of a three-term run: a + b + c four times in
// seven, a + b − c otherwise.
int DrawThreeTermKind(RandomSource& random);

// The problem as written in the results table, e.g. "2・2/3 + 1・1/2"
// (the caller puts the leading blank in front).
QString AddSubProblemText(const PracticeState& s, int kind);
