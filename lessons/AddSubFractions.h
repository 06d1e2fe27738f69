// What the screen for adding and subtracting fractions computes, without
// widgets: its problems, their worked solution, and the stages in which the
// child rebuilds that solution on the wheels, as label captions to write.
#pragma once

#include "core/MixedAnswer.h"
#include "lessons/LessonOutcome.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <utility>
#include <vector>

class RandomSource;

namespace AddSubText {
QString chapterTitle();
QString topicTitle();
QString menuText();
QStringList menuItems();
// The problem statement in Label4.
QString statement();
// The prompt of the first entry in test mode.
QString firstEntryPrompt();
} // namespace AddSubText

// One problem. SumKind: 1 a/b + c/d, 2 mixed + mixed, 3 a/b − c/d,
// 4 mixed − mixed, 5 A + B + C, 6 A + B − C (A, B, C mixed numbers).
struct AddSubProblem {
    int SumKind = 0;
    std::array<MixedAnswer, 3> operands{}; // the third is all 0 for kinds 1 … 4

    int operandCount() const { return SumKind >= 5 ? 3 : 2; }
    // Whether operand `i` (1 or 2) is subtracted.
    bool subtracts(int i) const;
    // "+" or "-" before operand `i` (1 or 2).
    QString sign(int i) const;
};

// The worked solution: every operand over the least common denominator,
// the combined whole parts and numerators, and the reduced answer.
struct AddSubSolution {
    int CommonDen = 0;
    std::array<int, 3> ScaledNum{};
    int WholeSum = 0;
    int NumSum = 0;
    int MixedRem = 0; // NumSum mod CommonDen when NumSum ≥ CommonDen
    // The answer in lowest terms; denominator and numerator 0 when it is whole.
    int CorrectWhole = 0;
    int CorrectDen = 0;
    int CorrectNum = 0;

    // False when the numerators combine to 0 or less: never posed.
    bool usable() const { return NumSum > 0; }
    MixedAnswer correct() const { return {CorrectWhole, CorrectDen, CorrectNum}; }
    int CorrectValue() const { return correct().value(); }
};

AddSubSolution SolveAddSub(const AddSubProblem& problem);

// Kinds 1 … 4: two fractions (kinds 2 and 4 with whole parts 1 … 4, the
// first the larger) with different denominators, a common denominator below
// 100 and a positive result; after 1000 rejected draws 6/7 and 3/4.
AddSubProblem MakeTwoOperandProblem(int kind, RandomSource& random);
// Kind 5 (four times in seven) or 6: three fractions with pairwise different
// denominators and whole parts whose first exceeds the other two together;
// after 1000 rejected draws 5/6, 1/3 and 1/4.
AddSubProblem MakeThreeOperandProblem(RandomSource& random);
// The problem of menu item `choice` (1 … 5); nothing for any other choice.
std::optional<AddSubProblem> MakeAddSubProblem(int choice, RandomSource& random);

// The verdict on the last entry. A whole answer is right entered with the
// whole part alone or with denominator 1 and numerator 0.
bool JudgeAddSub(const AddSubSolution& solution, const MixedAnswer& entered);

// The work area. A fraction is shown in a slot of three labels (whole part,
// denominator, numerator) and a bar; signs and "=" are labels of their own.
// Slots 1 … 9 are Label6 … Label32 in threes with Shape1 … Shape9; slot 10,
// the correct answer, is Label42 … Label44 with Shape10. Signs are Label33 … 40.
namespace AddSubArea {
enum Slot { RawSlot = 7, MixedSlot = 8, FinalSlot = 9, AnswerSlot = 10 };
inline constexpr int FirstLabel = 4;    // the statement
inline constexpr int AnswerCaption = 5; // "正しい答え："
inline constexpr int Verdict = 41;
inline constexpr int LastLabel = 44;
inline constexpr int Bars = 10;

int wholeLabel(int slot);
int denLabel(int slot);
int numLabel(int slot);
// Operand `i` (0-based) of the problem row, and of the converted row.
inline int operandSlot(int i) {
    return 1 + i;
}
inline int convertedSlot(int operandCount, int i) {
    return operandCount + 1 + i;
}
// The sign label after operand `i` (0-based) of the problem; the last reads "=".
inline int problemSign(int i) {
    return 33 + i;
}
// The "=" before the raw, the mixed or reduced, and the final result.
enum EqualsLabel { RawEquals = 38, MixedEquals = 39, FinalEquals = 40 };
// The sign label before converted operand `i` (1 or 2).
inline int convertedSign(int operandCount, int i) {
    return 32 + operandCount + i;
}

// One place in a row: a slot or a sign label.
struct Item {
    bool slot;
    int number;
};
// The rows, top to bottom: the problem followed by its conversion, then the
// raw result, the mixed or reduced result and the final result, each after
// its "="; the last row is the correct answer after its caption.
std::vector<std::vector<Item>> rows(int operandCount);
} // namespace AddSubArea

// Captions and bars that one move adds to the work area.
struct WorkUpdate {
    std::vector<std::pair<int, QString>> labels; // Label number, caption
    std::vector<int> bars;                       // Shape numbers to show

    void write(int label, const QString& text) { labels.emplace_back(label, text); }
    // Writes `value` into `slot`: the fraction with its bar when the numerator
    // is above 0 or the denominator above 1, the whole part when it is above
    // 0 or stands alone.
    void fraction(int slot, const MixedAnswer& value);
};

// One problem on the screen and how far it has got: the worked solution
// step by step in study mode, the child's entries stage by stage in test
// mode (stage 1 to 3 the converted operands — stage 3 only with three —,
// 4 the raw result, 5 the mixed or reduced result, 6 the reduced result).
class AddSubWorking {
public:
    AddSubWorking() = default; // no problem posed
    explicit AddSubWorking(const AddSubProblem& problem);

    bool posed() const { return problem_.SumKind != 0; }
    const AddSubProblem& problem() const { return problem_; }
    const AddSubSolution& solution() const { return solution_; }

    WorkUpdate problemRow() const;

    struct Step {
        WorkUpdate work;
        StepOutcome outcome;
    };
    // Study: part `index` (1 … 4) of the worked solution. Steps with nothing
    // to do are left out: the solution ends after the step that reaches
    // lowest terms.
    Step step(int index) const;

    struct Entry {
        int stage = 0; // the stage this entry filled (0: ignored)
        WorkUpdate work;
        EntryOutcome outcome;
    };
    // Test: the child's next entry. Wrong intermediate entries lead on; the
    // decisions use the child's own numbers, and only the entry that
    // reaches the judge is compared with the answer.
    Entry enter(const MixedAnswer& entered);

    WorkUpdate correctAnswerRow() const;

private:
    AddSubProblem problem_;
    AddSubSolution solution_;
    int stage_ = 0;
    bool judged_ = false;
};
