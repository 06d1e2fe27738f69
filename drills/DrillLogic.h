// What the four drills share apart from any widget: answers as whole part,
// denominator and numerator, their texts in the results table, the verdict,
// the time limits, the score and the result lines.
#pragma once

#include "core/MixedAnswer.h"

#include <QString>
#include <QStringList>

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
