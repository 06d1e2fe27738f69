// What the screen for estimating products and quotients computes: its
// problems (operands, their roundings to one significant figure and the
// estimate), the three entries and their verdict, and every text the child
// reads there. No widgets.
#pragma once

#include "lessons/LessonOutcome.h"

#include <QString>
#include <QStringList>

class RandomSource;

namespace EstimatesText {
QString chapterTitle();
QString topicTitle();
QString menuText();
QStringList menuItems();
QString digitPlaceholder();      // "数"
QString placePlaceholder();      // "  位"
QStringList placeItems();        // "  一" … "百万": the power of ten 0 … 6
QString explanation(int choice); // 1: products, 2: quotients
// The prompt for entry `index` (0: first operand, 1: second, 2: estimate).
QString entryPrompt(int choice, int index);
} // namespace EstimatesText

// rnd(x, unit): x rounded half up to a multiple of `unit`.
long long roundTo(long long x, long long unit);

struct EstimateProblem {
    int choice = 0; // 1: a product, 2: a quotient
    int shape = 0;  // 0 … 8: which kind of operands
    int first = 0;  // the operands as drawn (a decimal is kept as its digits)
    int second = 0;
    QString firstText; // the operands as shown, e.g. "3.45" or "7856"
    QString secondText;
    int roundedFirst = 0;         // the operands rounded to one significant figure,
    int roundedSecond = 0;        // on the problem's own scale (345.6 → 300)
    int estimate = 0;             // the expected estimate
    bool estimateRounded = false; // the result of the rounded operands was rounded again

    QString statement() const;
    QString operatorText() const; // " x " or " ÷ "
    // "　正しい答え： 200 x 600 ≒ 100000"
    QString correctAnswer() const;
};

// The estimate of a × b for a problem shape (0 … 3: two three-digit numbers;
// 4 … 7: three-digit by four-digit; 8: a decimal with two places, `a`
// hundredths, by a two-digit number).
EstimateProblem estimateProduct(int shape, int a, int b);
// The estimate of a ÷ b (0 … 3: four-digit by two-digit; 4 … 7: five-digit
// by three-digit; 8: a decimal with one place, `a` tenths, by a two-digit
// number).
EstimateProblem estimateQuotient(int shape, int a, int b);
// A random problem of sub-topic `choice`.
EstimateProblem makeEstimateProblem(int choice, RandomSource& random);

// The value of an entry: the digit times ten to the power of the place
// (the place wheel's index; an untouched wheel counts as ones).
int entryValue(int digit, int place);

// The three entries of one problem: the rounded first operand, the rounded
// second operand and the estimate, which alone is judged.
class EstimateAnswer {
public:
    explicit EstimateAnswer(const EstimateProblem& problem = {}) : problem_(problem) {}

    // Takes the next entry; entries after the third are ignored.
    EntryOutcome enter(int value);
    // "　入力： 200 x 600 ≒ 100000": "=" only when the first two entries give
    // the third exactly.
    QString echo() const;
    int count() const { return count_; }

private:
    EstimateProblem problem_;
    long long entries_[3] = {0, 0, 0};
    int count_ = 0;
};
