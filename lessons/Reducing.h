// What the screen for reducing fractions and common denominators computes:
// its problems, the fractions the child enters and their verdict, and every
// text the child reads there. No widgets.
#pragma once

#include "lessons/LessonOutcome.h"

#include <QString>
#include <QStringList>

class RandomSource;

namespace ReducingText {
QString chapterTitle();
QString topicTitle();
QString menuText();
QStringList menuItems();
// The two explanation labels of sub-topic `choice` (1: reducing, 2: common
// denominators); reducing shows its worked example 12/18 = 2/3 between them.
QString explanation(int choice);
QString explanationMore(int choice);
QString statement(int choice);
QString firstPrompt(int choice);
QString secondPrompt(); // the right-hand fraction of a common denominator
QString entered();      // "入力："
QString equals();       // "="
QString comma();        // "、"
QString becomes();      // "⇒"
} // namespace ReducingText

// A problem of the screen. Reducing: num/den to lowest terms. Common
// denominator: a/b and c/d over their least common denominator.
struct ReduceProblem {
    int choice = 0;
    int kind = 0; // reducing: 1 even numbers, 2 multiples of 3, 3 multiples of 4
    int num = 0, den = 0;
    int reducedNum = 0, reducedDen = 0;
    int a = 0, b = 0, c = 0, d = 0;
    int convertedNum1 = 0, convertedNum2 = 0, leastDen = 0;

    // Reducing: reduced denominator × 100 + numerator. Common denominator:
    // first numerator × 10000 + second numerator × 100 + denominator.
    int correctValue() const;
};

ReduceProblem reductionOf(int num, int den);
ReduceProblem commonDenominatorOf(int a, int b, int c, int d);
// A random problem of sub-topic `choice`.
ReduceProblem makeReduceProblem(int choice, RandomSource& random);

// A fraction as entered on the wheels: two for the denominator, two for the numerator.
struct EnteredFraction {
    int num = 0;
    int den = 0;
};

// The fractions the child enters for one problem: one for reducing, two
// for a common denominator. Further entries after the verdict are ignored.
class ReduceAnswer {
public:
    explicit ReduceAnswer(const ReduceProblem& problem = {}) : problem_(problem) {}

    EntryOutcome enter(EnteredFraction fraction);
    int count() const { return count_; }
    EnteredFraction entry(int index) const { return entries_[index]; }
    // The entries in the answer encoding, as CorrectValue.
    int enteredValue() const;

private:
    ReduceProblem problem_;
    EnteredFraction entries_[2];
    int count_ = 0;
};
