// Adding and subtracting fractions: drawing the problems, working them out
// over the least common denominator, and the steps and stages of the screen.
#include "lessons/AddSubFractions.h"

#include "core/Arithmetic.h"
#include "core/PracticeState.h"
#include "core/RandomSource.h"

#include <utility>

namespace AddSubText {
QString chapterTitle() {
    return QStringLiteral("分数の計算・１");
}
QString topicTitle() {
    return QStringLiteral("たし算とひき算");
}
QString menuText() {
    return QStringLiteral("         メニュー");
}
QStringList menuItems() {
    return {QStringLiteral("真分数のたし算"), QStringLiteral("帯分数のたし算"),
            QStringLiteral("真分数をひくひき算"), QStringLiteral("帯分数のひき算"),
            QStringLiteral("３つの分数の計算")};
}
QString statement() {
    return QStringLiteral("次の計算をする。\n答えが仮分数になれば帯分数にし、\n"
                          "できるだけ小さい数に約分する。");
}
QString firstEntryPrompt() {
    return QStringLiteral("左の分数の通分けっかを選んで、◆をクリックしてね！\n"
                          "どちらも左の方が十の位だよ。");
}
} // namespace AddSubText

namespace {

const QString Plus = QStringLiteral("+");
const QString Minus = QStringLiteral("-");
const QString Equals = QStringLiteral("=");

constexpr int WholeDraws = 100;
constexpr int FractionDraws = 1000;

MixedAnswer properFraction(RandomSource& random) {
    PracticeState scratch; // RandomFraction leaves its pair in RandDen, RandNum
    RandomFraction(scratch, random, 1);
    return {0, scratch.RandDen, scratch.RandNum};
}

bool differentDenominators(const AddSubProblem& p) {
    const auto& o = p.operands;
    if (p.operandCount() == 2)
        return o[0].den != o[1].den;
    return o[0].den != o[1].den && o[0].den != o[2].den && o[1].den != o[2].den;
}

bool acceptable(const AddSubProblem& p, const AddSubSolution& s) {
    if (!differentDenominators(p) || !s.usable() || s.CommonDen >= 100)
        return false;
    switch (p.SumKind) {
    case 3:
        return s.ScaledNum[0] < 100;
    case 4:
        return true;
    default:
        return s.NumSum < 100;
    }
}

// Draws the fractions of `p` (keeping its whole parts) until they make an
// acceptable problem; otherwise the fixed fractions `fallback`.
AddSubProblem drawFractions(AddSubProblem p, RandomSource& random,
                            const std::array<MixedAnswer, 3>& fallback) {
    for (int draw = 0; draw < FractionDraws; ++draw) {
        for (int i = 0; i < p.operandCount(); ++i) {
            const MixedAnswer f = properFraction(random);
            p.operands[i].den = f.den;
            p.operands[i].num = f.num;
        }
        if (acceptable(p, SolveAddSub(p)))
            return p;
    }
    for (int i = 0; i < p.operandCount(); ++i) {
        p.operands[i].den = fallback[i].den;
        p.operands[i].num = fallback[i].num;
    }
    return p;
}

const QString ReducePrompt = QStringLiteral("約分してね！");
const QString RightOperandPrompt =
    QStringLiteral("右の分数の通分けっかを選んで、◆をクリックしてね！");
const QString MiddleOperandPrompt =
    QStringLiteral("真ん中の分数の通分けっかを選んで、◆をクリックしてね！");

// What the child is asked for once every operand is converted.
QString rawResultPrompt(int kind) {
    switch (kind) {
    case 1:
    case 2:
        return QStringLiteral("たし算をしたままの答えを選んでね！");
    case 3:
    case 4:
        return QStringLiteral("ひき算をしたままの答えを選んでね！");
    case 5:
        return QStringLiteral("３つのたし算をしたままの答えを選んでね！");
    default:
        return QStringLiteral("たし算とひき算をしたままの答えを選んでね！");
    }
}

// A stage's entry is finished when it is a whole number or a proper
// fraction that cannot be reduced.
bool lowestTerms(const MixedAnswer& e) {
    return e.num == 0 || (e.num < e.den && Gcd3(e.num, e.den, 0) < 2);
}

} // namespace

bool AddSubProblem::subtracts(int i) const {
    return (i == 1 && (SumKind == 3 || SumKind == 4)) || (i == 2 && SumKind == 6);
}

QString AddSubProblem::sign(int i) const {
    return subtracts(i) ? Minus : Plus;
}

AddSubSolution SolveAddSub(const AddSubProblem& p) {
    AddSubSolution s;
    const auto& o = p.operands;
    s.CommonDen = static_cast<int>(Lcm3(o[0].den, o[1].den, o[2].den));
    if (s.CommonDen <= 0)
        return s;
    for (int i = 0; i < p.operandCount(); ++i) {
        const int scaled = o[i].den > 0 ? s.CommonDen / o[i].den * o[i].num : 0;
        const bool minus = i > 0 && p.subtracts(i);
        s.ScaledNum[i] = scaled;
        s.NumSum += minus ? -scaled : scaled;
        s.WholeSum += minus ? -o[i].whole : o[i].whole;
    }
    if (!s.usable())
        return s;
    if (s.NumSum >= s.CommonDen)
        s.MixedRem = s.NumSum % s.CommonDen;
    const MixedAnswer correct = MixedInLowestTerms(s.WholeSum, s.NumSum, s.CommonDen);
    s.CorrectWhole = correct.whole;
    s.CorrectDen = correct.den;
    s.CorrectNum = correct.num;
    return s;
}

AddSubProblem MakeTwoOperandProblem(int kind, RandomSource& random) {
    random.reseed();
    AddSubProblem p;
    p.SumKind = kind;
    if (kind == 2 || kind == 4) {
        int first = 0;
        int second = 0;
        for (int draw = 0; draw < WholeDraws; ++draw) {
            first = random.between(1, 4);
            second = random.between(1, 4);
            if (first >= second)
                break;
        }
        // Should every draw fail, the larger still comes first, so that a
        // difference never goes below 0.
        if (first < second)
            std::swap(first, second);
        p.operands[0].whole = first;
        p.operands[1].whole = second;
    }
    return drawFractions(p, random, {{{0, 7, 6}, {0, 4, 3}, {}}});
}

AddSubProblem MakeThreeOperandProblem(RandomSource& random) {
    random.reseed();
    AddSubProblem p;
    p.SumKind = random.between(0, 6) < 4 ? 5 : 6;
    bool wholesFit = false;
    for (int draw = 0; draw < WholeDraws && !wholesFit; ++draw) {
        for (MixedAnswer& o : p.operands)
            o.whole = random.between(0, 4);
        const int w1 = p.operands[0].whole, w2 = p.operands[1].whole, w3 = p.operands[2].whole;
        wholesFit = w1 - w2 - w3 > 0 && w1 + w2 + w3 <= 8;
    }
    // Should every draw fail, plain fractions rather than a negative answer
    // or one too large for the wheels.
    if (!wholesFit)
        for (MixedAnswer& o : p.operands)
            o.whole = 0;
    return drawFractions(p, random, {{{0, 6, 5}, {0, 3, 1}, {0, 4, 1}}});
}

std::optional<AddSubProblem> MakeAddSubProblem(int choice, RandomSource& random) {
    if (choice >= 1 && choice <= 4)
        return MakeTwoOperandProblem(choice, random);
    if (choice == 5)
        return MakeThreeOperandProblem(random);
    return std::nullopt;
}

bool JudgeAddSub(const AddSubSolution& solution, const MixedAnswer& entered) {
    return IsRightAnswer(solution.correct(), entered);
}

namespace AddSubArea {

int wholeLabel(int slot) {
    return slot == AnswerSlot ? 42 : 3 * slot + 3;
}
int denLabel(int slot) {
    return wholeLabel(slot) + 1;
}
int numLabel(int slot) {
    return wholeLabel(slot) + 2;
}

std::vector<std::vector<Item>> rows(int operandCount) {
    // The problem with the signs after its operands (the last one "="), then
    // on the same line the converted operands with the signs between them.
    std::vector<Item> problem;
    for (int i = 0; i < operandCount; ++i)
        problem.insert(problem.end(), {{true, operandSlot(i)}, {false, problemSign(i)}});
    for (int i = 0; i < operandCount; ++i) {
        if (i > 0)
            problem.push_back({false, convertedSign(operandCount, i)});
        problem.push_back({true, convertedSlot(operandCount, i)});
    }
    return {problem,
            {{false, RawEquals}, {true, RawSlot}},
            {{false, MixedEquals}, {true, MixedSlot}},
            {{false, FinalEquals}, {true, FinalSlot}},
            {{false, AnswerCaption}, {true, AnswerSlot}}};
}

} // namespace AddSubArea

void WorkUpdate::fraction(int slot, const MixedAnswer& value) {
    using namespace AddSubArea;
    const bool fractionPart = value.num > 0 || value.den > 1;
    if (fractionPart) {
        write(denLabel(slot), QString::number(value.den));
        write(numLabel(slot), QString::number(value.num));
        bars.push_back(slot);
    }
    if (value.whole > 0 || !fractionPart)
        write(wholeLabel(slot), QString::number(value.whole));
}

AddSubWorking::AddSubWorking(const AddSubProblem& problem)
    : problem_(problem), solution_(SolveAddSub(problem)) {}

WorkUpdate AddSubWorking::problemRow() const {
    using namespace AddSubArea;
    WorkUpdate u;
    const int n = problem_.operandCount();
    for (int i = 0; i < n; ++i)
        u.fraction(operandSlot(i), problem_.operands[i]);
    for (int i = 0; i < n; ++i)
        u.write(problemSign(i), i + 1 < n ? problem_.sign(i + 1) : Equals);
    return u;
}

AddSubWorking::Step AddSubWorking::step(int index) const {
    using namespace AddSubArea;
    const AddSubSolution& s = solution_;
    const int n = problem_.operandCount();
    const QString pressStep = QStringLiteral("「ステップ｣ボタンで進めてね！");
    Step r;
    switch (index) {
    case 1: // every operand over the common denominator
        for (int i = 0; i < n; ++i) {
            r.work.fraction(convertedSlot(n, i),
                            {problem_.operands[i].whole, s.CommonDen, s.ScaledNum[i]});
            if (i > 0)
                r.work.write(convertedSign(n, i), problem_.sign(i));
        }
        r.outcome = StepOutcome::more();
        return r;
    case 2: // the numerators and whole parts combined
        r.work.write(RawEquals, Equals);
        r.work.fraction(RawSlot, {s.WholeSum, s.CommonDen, s.NumSum});
        r.outcome = lowestTerms({0, s.CommonDen, s.NumSum}) ? StepOutcome::done()
                                                            : StepOutcome::more(pressStep);
        return r;
    case 3: // a proper result reduced, or an improper one as a mixed number
        r.work.write(MixedEquals, Equals);
        if (s.NumSum < s.CommonDen) {
            r.work.fraction(MixedSlot, s.correct());
            r.outcome = StepOutcome::done();
        } else {
            r.work.fraction(MixedSlot,
                            {s.CorrectWhole, s.MixedRem > 0 ? s.CommonDen : 0, s.MixedRem});
            r.outcome = lowestTerms({0, s.CommonDen, s.MixedRem}) ? StepOutcome::done()
                                                                  : StepOutcome::more(pressStep);
        }
        return r;
    case 4: // the mixed number reduced
        r.work.write(FinalEquals, Equals);
        r.work.fraction(FinalSlot, s.correct());
        r.outcome = StepOutcome::done();
        return r;
    default:
        r.outcome = StepOutcome::done();
        return r;
    }
}

AddSubWorking::Entry AddSubWorking::enter(const MixedAnswer& e) {
    using namespace AddSubArea;
    Entry r;
    if (!posed() || judged_) {
        r.outcome = EntryOutcome::ignore();
        return r;
    }
    const int n = problem_.operandCount();
    // Two operands have no third conversion.
    stage_ = (n == 2 && stage_ == 2) ? 4 : stage_ + 1;
    r.stage = stage_;
    auto judge = [&] {
        judged_ = true;
        return EntryOutcome::judge(JudgeAddSub(solution_, e));
    };
    switch (stage_) {
    case 1:
    case 2:
    case 3: { // the operands over the common denominator, left to right
        const int i = stage_ - 1;
        r.work.fraction(convertedSlot(n, i), e);
        if (i + 1 < n) {
            r.work.write(convertedSign(n, i + 1), problem_.sign(i + 1));
            r.outcome = EntryOutcome::more(i + 2 == n ? RightOperandPrompt : MiddleOperandPrompt);
        } else {
            r.work.write(RawEquals, Equals);
            r.outcome = EntryOutcome::more(rawResultPrompt(problem_.SumKind));
        }
        return r;
    }
    case 4: // the raw result
        r.work.fraction(RawSlot, e);
        if (lowestTerms(e)) {
            r.outcome = judge();
            return r;
        }
        r.work.write(MixedEquals, Equals);
        r.outcome = EntryOutcome::more(e.num < e.den ? ReducePrompt
                                                     : QStringLiteral("帯分数になおしてね！"));
        return r;
    case 5: // the mixed number, or the reduced fraction
        r.work.fraction(MixedSlot, e);
        if (Gcd3(e.num, e.den, 0) < 2) {
            r.outcome = judge();
            return r;
        }
        r.work.write(FinalEquals, Equals);
        r.outcome = EntryOutcome::more(ReducePrompt);
        return r;
    default: // the reduced mixed number
        r.work.fraction(FinalSlot, e);
        r.outcome = judge();
        return r;
    }
}

WorkUpdate AddSubWorking::correctAnswerRow() const {
    WorkUpdate u;
    u.write(AddSubArea::AnswerCaption, QStringLiteral("正しい答え："));
    u.fraction(AddSubArea::AnswerSlot, solution_.correct());
    return u;
}
