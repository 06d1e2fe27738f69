// The screen for adding and subtracting fractions (TForm6): the work area of
// fractions with their bars, signs and "=", written as the steps go on.
#include "lessons/Unit6.h"

#include "core/AnswerWheels.h"
#include "core/PracticeState.h"
#include "core/Style.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace {
constexpr int RowLeft = LessonScreen::WorkLeft + 12;
constexpr int FirstRowTop = 192;
constexpr int RowPitch = 68;
constexpr int LineHeight = 28; // one numerator or denominator
constexpr int BarTop = LineHeight + 2;
constexpr int AnswerRowTop = FirstRowTop + 4 * RowPitch + 16;
constexpr int WheelsLeft = 724;
constexpr int SignPad = 8;
constexpr int BarPad = 5;
constexpr int WholeGap = 2; // between a whole part and its fraction

int textWidth(const QLabel* label) {
    return label->fontMetrics().horizontalAdvance(label->text());
}
} // namespace

TForm6::TForm6(AppContext& ctx, QWidget* parent)
    : LessonScreen(ctx, 6, AddSubText::chapterTitle(), AddSubText::topicTitle(),
                   {Variant::Steps, AddSubText::menuText(), AddSubText::menuItems(), 12}, parent) {
    using namespace AddSubArea;
    const int width = WheelsLeft - WorkLeft - 12;
    for (int n = FirstLabel; n <= LastLabel; ++n) {
        if (n == Verdict)
            continue;
        QLabel* label = Style::label(this, QStringLiteral("Label%1").arg(n), QString(),
                                     Style::rounded(21), Style::Navy, QRect(RowLeft, 0, 0, 0));
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QLabel* statement = label(FirstLabel);
    statement->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    statement->setGeometry(WorkLeft, 88, width, 3 * 30);
    for (int n = 1; n <= Bars; ++n)
        makeBar(this, n, QRect(RowLeft, 0, 0, 2), Style::Navy);
    useWheels(new AnswerWheels(this, AnswerWheels::fractionLayout(), 6, {QStringLiteral("◆")},
                               QPoint(WheelsLeft, FirstRowTop)));
    addVerdictLabel(Verdict, QPoint(RowLeft + 300, AnswerRowTop + 2));
    resetAtCreation();
}

void TForm6::reset() {
    PracticeState& s = state();
    for (int& digit : s.DigitInput)
        digit = 0;
    s.Whole1 = s.Whole2 = s.Whole3 = 0;
    s.Den3 = s.Num3 = 0;
    s.StepIndex = 0;
    for (int n = AddSubArea::FirstLabel; n <= AddSubArea::LastLabel; ++n)
        label(n)->clear();
    wheels()->hide();
    for (int n = 1; n <= AddSubArea::Bars; ++n)
        shape(n)->hide();
    working_ = AddSubWorking();
}

std::optional<QString> TForm6::pose(int choice) {
    const std::optional<AddSubProblem> problem = MakeAddSubProblem(choice, context().random);
    if (!problem)
        return std::nullopt;
    working_ = AddSubWorking(*problem);
    PracticeState& s = state();
    const auto store = [](const MixedAnswer& operand, int& whole, int& den, int& num) {
        whole = operand.whole;
        den = operand.den;
        num = operand.num;
    };
    store(problem->operands[0], s.Whole1, s.Den1, s.Num1);
    store(problem->operands[1], s.Whole2, s.Den2, s.Num2);
    store(problem->operands[2], s.Whole3, s.Den3, s.Num3);
    s.CorrectValue = working_.solution().CorrectValue();
    label(AddSubArea::FirstLabel)->setText(AddSubText::statement());
    apply(working_.problemRow());
    return AddSubText::firstEntryPrompt();
}

StepOutcome TForm6::step(int stepIndex) {
    const AddSubWorking::Step result = working_.step(stepIndex);
    apply(result.work);
    return result.outcome;
}

EntryOutcome TForm6::enter(int) {
    const AddSubWorking::Entry result = working_.enter(EnteredAnswer(state().DigitInput));
    if (result.stage > 0)
        state().StepIndex = result.stage;
    apply(result.work);
    return result.outcome;
}

void TForm6::showCorrectAnswer() {
    apply(working_.correctAnswerRow());
}

void TForm6::apply(const WorkUpdate& update) {
    for (const auto& [number, text] : update.labels)
        label(number)->setText(text);
    for (int bar : update.bars)
        shape(bar)->show();
    arrangeRows();
}

void TForm6::arrangeRows() {
    using namespace AddSubArea;
    const int n = working_.posed() ? working_.problem().operandCount() : 2;
    const std::vector<std::vector<Item>> all = rows(n);
    const int problemEquals = problemSign(n - 1);
    int equalsLeft = RowLeft;
    for (std::size_t r = 0; r < all.size(); ++r) {
        const bool answerRow = r + 1 == all.size();
        const int top = answerRow ? AnswerRowTop : FirstRowTop + int(r) * RowPitch;
        int x = r == 0 || answerRow ? RowLeft : equalsLeft;
        for (const Item& item : all[r]) {
            if (item.number == problemEquals && !item.slot)
                equalsLeft = x; // the later rows' "=" stand under this one
            x = item.slot ? placeSlot(item.number, x, top) : placeSign(item.number, x, top);
        }
    }
}

int TForm6::placeSlot(int slot, int x, int top) {
    QLabel* whole = label(AddSubArea::wholeLabel(slot));
    QLabel* den = label(AddSubArea::denLabel(slot));
    QLabel* num = label(AddSubArea::numLabel(slot));
    if (!whole->text().isEmpty()) {
        const int width = textWidth(whole) + 4;
        whole->setGeometry(x, top + BarTop - LineHeight / 2, width, LineHeight);
        x += width + WholeGap;
    }
    if (!den->text().isEmpty() || !num->text().isEmpty()) {
        const int width = std::max(textWidth(den), textWidth(num)) + 2 * BarPad;
        num->setGeometry(x, top, width, LineHeight);
        shape(slot)->setGeometry(x, top + BarTop, width, 2);
        den->setGeometry(x, top + BarTop + 4, width, LineHeight);
        x += width;
    }
    return x;
}

int TForm6::placeSign(int labelNumber, int x, int top) {
    QLabel* sign = label(labelNumber);
    if (sign->text().isEmpty())
        return x;
    const int width = textWidth(sign) + 2 * SignPad;
    sign->setGeometry(x, top + BarTop - LineHeight / 2, width, LineHeight);
    return x + width;
}
