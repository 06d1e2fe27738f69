// What the four drills share apart from any widget: answers as whole part,
// denominator and numerator, their texts in the results table, the verdict,
// the time limits, the score and the result lines.
#pragma once

#include <QString>
#include <QStringList>

// A mixed number as the drills expect and take it. A whole-number answer of
// the drill for adding fractions has denominator and numerator 0.
struct MixedAnswer {
    int whole = 0;
    int den = 0;
    int num = 0;

    // The answer encoding: whole × 10000 + den × 100 + num.
    int value() const { return whole * 10000 + den * 100 + num; }
    bool operator==(const MixedAnswer&) const = default;
};

// The answer on the wheels: DigitInput[0] is the whole part, [1] and [2] the
// denominator's tens and ones, [3] and [4] the numerator's.
MixedAnswer EnteredAnswer(const int digitInput[5]);

// Right when the entry equals the expected answer; a whole number expected
// without fraction (denominator 0) is also right entered as denominator 1
// and numerator 0.
bool IsRightAnswer(const MixedAnswer& expected, const MixedAnswer& entered);

// The text of an answer or an operand in the results table: "2・3/5", "3/5",
// "2". A fraction part is written whenever its denominator or numerator is
// not 0, so an entry is never dropped: numerator 7 without denominator is
// "7/0". Nothing at all is "0".
QString FormatMixedNumber(int whole, int den, int num);
inline QString FormatMixedNumber(const MixedAnswer& a) {
    return FormatMixedNumber(a.whole, a.den, a.num);
}

// The items of the time box and the limit, in seconds, of each (0: none).
QStringList DrillTimeItems();
int DrillTimeLimit(int timeItem);

// Score out of 100, truncated; 0 when no problem was posed.
int DrillScore(int correct, int problems);

// The four result lines: problems, "○", score and time ("2 分 5 秒").
QStringList DrillResultLines(int problems, int correct, qint64 elapsedSeconds);
