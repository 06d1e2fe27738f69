// A mixed number as the fraction screens expect and take it on the wheels:
// whole part, denominator and numerator, and the rule that judges an entry.
#pragma once

// A whole-number answer may be expected with denominator and numerator 0.
struct MixedAnswer {
    int whole = 0;
    int den = 0;
    int num = 0;

    // The answer encoding: whole × 10000 + den × 100 + num.
    int value() const { return whole * 10000 + den * 100 + num; }
    bool operator==(const MixedAnswer&) const = default;
};

// whole + num/den (num ≥ 0, den > 0) as a mixed number in lowest terms: the
// whole ones carried out of the fraction, the rest reduced. A whole result
// has denominator and numerator 0.
MixedAnswer MixedInLowestTerms(int whole, int num, int den);

// The answer on the wheels: DigitInput[0] is the whole part, [1] and [2] the
// denominator's tens and ones, [3] and [4] the numerator's.
MixedAnswer EnteredAnswer(const int digitInput[5]);

// Right when the entry equals the expected answer; a whole number expected
// without fraction (denominator 0) is also right entered as denominator 1
// and numerator 0.
bool IsRightAnswer(const MixedAnswer& expected, const MixedAnswer& entered);
