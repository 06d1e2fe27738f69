// Problems of the drill for adding and subtracting fractions: drawing,
// working out over the common denominator, reducing, and their text.
#include "drills/AddSubProblems.h"

#include "core/Arithmetic.h"
#include "core/PracticeState.h"
#include "core/RandomSource.h"

#include <utility>

namespace {

constexpr int WholeDraws = 100;
constexpr int FractionCandidates = 1000;

// A proper fraction (or, with `mode` 2, possibly improper) in lowest terms.
void drawFraction(PracticeState& s, RandomSource& random, int mode, int& den, int& num) {
    RandomFraction(s, random, mode);
    den = s.RandDen;
    num = s.RandNum;
}

bool acceptable(const PracticeState& s, const AddSubWork& w, int kind) {
    const bool threeTerms = kind >= KindSumOfThree;
    const bool unlike = s.Den1 != s.Den2 && (!threeTerms || (s.Den1 != s.Den3 && s.Den2 != s.Den3));
    // Sums keep their numerator below 100; a difference may start improper.
    const bool numeratorFits = kind == KindDifference || w.NumSum < 100;
    // The whole part has one wheel, so an answer of 10 or more cannot be entered.
    const bool wholeFits = w.answer.whole >= 0 && w.answer.whole <= 9;
    return unlike && numeratorFits && w.NumSum > 0 && w.CommonDen < 100 && wholeFits;
}

} // namespace

AddSubWork ComputeAddSubAnswer(const PracticeState& s, int kind) {
    AddSubWork w;
    w.CommonDen = static_cast<int>(Lcm3(s.Den1, s.Den2, s.Den3));
    if (w.CommonDen <= 0 || s.Den1 <= 0 || s.Den2 <= 0)
        return w;
    w.ScaledNum1 = w.CommonDen / s.Den1 * s.Num1;
    w.ScaledNum2 = w.CommonDen / s.Den2 * s.Num2;
    if (s.Den3 > 0)
        w.ScaledNum3 = w.CommonDen / s.Den3 * s.Num3;

    switch (kind) {
    case KindSum:
        w.WholeSum = s.Whole1 + s.Whole2;
        w.NumSum = w.ScaledNum1 + w.ScaledNum2;
        break;
    case KindDifference:
        w.WholeSum = s.Whole1 - s.Whole2;
        w.NumSum = w.ScaledNum1 - w.ScaledNum2;
        break;
    case KindSumOfThree:
        w.WholeSum = s.Whole1 + s.Whole2 + s.Whole3;
        w.NumSum = w.ScaledNum1 + w.ScaledNum2 + w.ScaledNum3;
        break;
    case KindSumLessThird:
        w.WholeSum = s.Whole1 + s.Whole2 - s.Whole3;
        w.NumSum = w.ScaledNum1 + w.ScaledNum2 - w.ScaledNum3;
        break;
    default:
        return w;
    }
    if (w.NumSum <= 0)
        return w; // never posed

    w.answer = MixedInLowestTerms(w.WholeSum, w.NumSum, w.CommonDen);
    return w;
}

AddSubWork MakeTwoTermProblem(PracticeState& s, RandomSource& random, int kind) {
    random.reseed();
    const int wholeDraw = random.between(0, 8);
    const bool withWholes = wholeDraw >= 5;
    s.Whole1 = s.Whole2 = 0;
    if (withWholes) {
        for (int draw = 0; draw < WholeDraws; ++draw) {
            s.Whole1 = random.between(1, 4);
            s.Whole2 = random.between(1, 4);
            if (s.Whole1 + s.Whole2 <= 8 && s.Whole1 >= s.Whole2)
                break;
        }
        if (s.Whole1 < s.Whole2)
            std::swap(s.Whole1, s.Whole2); // a difference never goes below 0
    }
    s.Whole3 = s.Den3 = s.Num3 = 0;

    const int firstMode = kind == KindDifference && withWholes ? 2 : 1;
    for (int candidate = 0; candidate < FractionCandidates; ++candidate) {
        drawFraction(s, random, firstMode, s.Den1, s.Num1);
        drawFraction(s, random, 1, s.Den2, s.Num2);
        const AddSubWork w = ComputeAddSubAnswer(s, kind);
        if (acceptable(s, w, kind))
            return w;
    }
    s.Den1 = 7; // 6/7 and 3/4
    s.Num1 = 6;
    s.Den2 = 4;
    s.Num2 = 3;
    return ComputeAddSubAnswer(s, kind);
}

AddSubWork MakeThreeTermProblem(PracticeState& s, RandomSource& random, int kind) {
    random.reseed();
    bool wholesFit = false;
    for (int draw = 0; draw < WholeDraws && !wholesFit; ++draw) {
        s.Whole1 = random.between(0, 4);
        s.Whole2 = random.between(0, 4);
        s.Whole3 = random.between(0, 4);
        wholesFit = s.Whole1 + s.Whole2 + s.Whole3 <= 8 && s.Whole1 - s.Whole2 - s.Whole3 > 0;
    }
    if (!wholesFit)
        s.Whole1 = s.Whole2 = s.Whole3 = 0; // plain fractions rather than a negative answer

    for (int candidate = 0; candidate < FractionCandidates; ++candidate) {
        drawFraction(s, random, 1, s.Den1, s.Num1);
        drawFraction(s, random, 1, s.Den2, s.Num2);
        drawFraction(s, random, 1, s.Den3, s.Num3);
        const AddSubWork w = ComputeAddSubAnswer(s, kind);
        if (acceptable(s, w, kind))
            return w;
    }
    s.Den1 = 6; // 5/6, 1/3 and 1/4
    s.Num1 = 5;
    s.Den2 = 3;
    s.Num2 = 1;
    s.Den3 = 4;
    s.Num3 = 1;
    return ComputeAddSubAnswer(s, kind);
}

int DrawThreeTermKind(RandomSource& random) {
    return random.between(0, 6) / 4 + KindSumOfThree;
}

QString AddSubProblemText(const PracticeState& s, int kind) {
    const QString a = FormatMixedNumber(s.Whole1, s.Den1, s.Num1);
    const QString b = FormatMixedNumber(s.Whole2, s.Den2, s.Num2);
    const QString c = FormatMixedNumber(s.Whole3, s.Den3, s.Num3);
    switch (kind) {
    case KindSum:
        return a + QStringLiteral(" + ") + b;
    case KindDifference:
        return a + QStringLiteral(" - ") + b;
    case KindSumOfThree:
        return a + QStringLiteral(" + ") + b + QStringLiteral(" + ") + c;
    case KindSumLessThird:
        return a + QStringLiteral(" + ") + b + QStringLiteral(" - ") + c;
    default:
        return {};
    }
}
