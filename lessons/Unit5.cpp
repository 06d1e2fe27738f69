// The screen for reducing fractions and common denominators (TForm5).
// Its work area: a row with the problem's fractions and the correct answer,
// a row with the entered fractions, the ○/× mark, and the fraction wheels.
#include "lessons/Unit5.h"

#include "core/AnswerWheels.h"
#include "core/PracticeState.h"
#include "core/Style.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr int Left = LessonScreen::WorkLeft;
constexpr int TextWidth = TopicScreen::ClientWidth - Left - 16;
constexpr int ProblemRow = 232; // top of the problem's numerators
constexpr int EntryRow = 336;   // top of the entries' numerators
constexpr int FractionWidth = 52;
constexpr int SignWidth = 34;

// Where each fraction sits: its numerator label, denominator label, bar and left edge.
struct FractionPlace {
    int numLabel, denLabel, bar, x, top;
};
constexpr FractionPlace Fractions[] = {
    {6, 7, 1, Left + 40, ProblemRow},    // problem fraction 1
    {8, 9, 2, Left + 126, ProblemRow},   // problem fraction 2, or the reduced fraction
    {14, 15, 4, Left + 212, ProblemRow}, // converted fraction 1
    {16, 17, 5, Left + 298, ProblemRow}, // converted fraction 2
    {10, 11, 3, Left + 126, EntryRow},   // first entry
    {18, 19, 6, Left + 212, EntryRow},   // second entry
};
// The signs between them: number, left edge, row.
struct SignPlace {
    int label, x, top;
};
constexpr SignPlace Signs[] = {
    {12, Left + 92, ProblemRow},  // "=" or "、"
    {23, Left + 178, ProblemRow}, // "⇒"
    {20, Left + 264, ProblemRow}, // "、"
    {21, Left + 178, EntryRow},   // "、"
};

QLabel* fractionLabel(QWidget* screen, int number, const QColor& colour, const QRect& geometry) {
    QLabel* label = Style::label(screen, QStringLiteral("Label%1").arg(number), QString(),
                                 Style::rounded(21), colour, geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

TForm5::TForm5(AppContext& ctx, QWidget* parent)
    : LessonScreen(ctx, 5, ReducingText::chapterTitle(), ReducingText::topicTitle(),
                   {Variant::Explain, ReducingText::menuText(), ReducingText::menuItems(), 12},
                   parent) {
    for (int n : {4, 5}) {
        QLabel* text = Style::label(this, QStringLiteral("Label%1").arg(n), QString(),
                                    Style::rounded(21), Style::Navy, QRect(Left, 96, TextWidth, 0));
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    label(5)->resize(TextWidth, 200);
    placeStatement(false);
    for (const FractionPlace& f : Fractions) {
        const QColor colour = f.numLabel >= 14 && f.numLabel <= 17 ? Style::Teal : Style::Navy;
        fractionLabel(this, f.numLabel, colour, QRect(f.x, f.top, FractionWidth, 28));
        makeBar(this, f.bar, QRect(f.x + 4, f.top + 30, FractionWidth - 8, 3), colour);
        fractionLabel(this, f.denLabel, colour, QRect(f.x, f.top + 35, FractionWidth, 28));
    }
    for (const SignPlace& s : Signs)
        fractionLabel(this, s.label, Style::Navy, QRect(s.x, s.top + 17, SignWidth, 28));
    Style::setTextColor(label(23), Style::Teal); // "⇒" leads to the correct answer
    QLabel* entered = fractionLabel(this, 13, Style::Navy, QRect(Left, EntryRow + 17, 110, 28));
    entered->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addVerdictLabel(22, QPoint(Left + 300, EntryRow + 4));
    useWheels(new AnswerWheels(this, AnswerWheels::fractionLayout(false), 6, {LessonText::Submit},
                               QPoint(Left + 470, 196)));
    resetAtCreation();
}

void TForm5::reset() {
    PracticeState& s = state();
    for (int k = 1; k <= 4; ++k)
        s.DigitInput[k] = 0;
    s.StepIndex = 0;
    for (int n = 4; n <= 23; ++n) {
        label(n)->clear();
        label(n)->hide();
    }
    wheels()->hide();
    for (int n = 1; n <= 6; ++n)
        shape(n)->hide();
    problem_ = {};
    answer_ = ReduceAnswer();
}

void TForm5::showLabels(int first, int last) {
    for (int n = first; n <= last; ++n)
        label(n)->show();
}

void TForm5::placeStatement(bool problem) {
    // A problem's one-line statement sits just above its fractions; an
    // explanation starts at the top of the work area.
    QLabel* text = label(4);
    text->setGeometry(Left, problem ? ProblemRow - 52 : 96, TextWidth, problem ? 32 : 210);
}

void TForm5::showFraction(int numLabel, int denLabel, int bar, int num, int den) {
    label(numLabel)->setText(QString::number(num));
    label(denLabel)->setText(QString::number(den));
    shape(bar)->show();
}

void TForm5::showExplanation(int choice) {
    placeStatement(false);
    label(4)->setText(ReducingText::explanation(choice));
    label(5)->setText(ReducingText::explanationMore(choice));
    // The second text goes under the worked example, or straight on after the first.
    const int gap = label(4)->fontMetrics().lineSpacing();
    label(5)->move(Left, choice == 1 ? ProblemRow + 80
                                     : label(4)->y() + label(4)->sizeHint().height() + gap);
    if (choice == 1) {
        showLabels(4, 12);
        // The worked example between the two texts: 12/18 = 2/3.
        showFraction(6, 7, 1, 12, 18);
        label(12)->setText(ReducingText::equals());
        showFraction(8, 9, 2, 2, 3);
    } else if (choice == 2) {
        showLabels(4, 5);
    }
}

std::optional<QString> TForm5::pose(int choice) {
    if (choice != 1 && choice != 2)
        return std::nullopt;
    problem_ = makeReduceProblem(choice, context().random);
    answer_ = ReduceAnswer(problem_);
    PracticeState& s = state();
    placeStatement(true);
    label(4)->setText(ReducingText::statement(choice));
    if (choice == 1) {
        showLabels(4, 22);
        s.Whole1 = problem_.num;
        s.Den1 = problem_.den;
        showFraction(6, 7, 1, problem_.num, problem_.den);
        label(12)->setText(ReducingText::equals());
    } else {
        showLabels(4, 23);
        s.Whole1 = problem_.a;
        s.Den1 = problem_.b;
        s.Num1 = problem_.c;
        s.Whole2 = problem_.d;
        showFraction(6, 7, 1, problem_.a, problem_.b);
        showFraction(8, 9, 2, problem_.c, problem_.d);
        label(12)->setText(ReducingText::comma());
    }
    s.CorrectValue = problem_.correctValue();
    return ReducingText::firstPrompt(choice);
}

EntryOutcome TForm5::enter(int) {
    PracticeState& s = state();
    const EnteredFraction fraction{s.DigitInput[3] * 10 + s.DigitInput[4],
                                   s.DigitInput[1] * 10 + s.DigitInput[2]};
    const EntryOutcome outcome = answer_.enter(fraction);
    if (outcome.kind == EntryOutcome::Kind::Ignore)
        return outcome;
    if (answer_.count() == 1) {
        label(13)->setText(ReducingText::entered());
        showFraction(10, 11, 3, fraction.num, fraction.den);
    } else {
        label(21)->setText(ReducingText::comma());
        showFraction(18, 19, 6, fraction.num, fraction.den);
    }
    s.EnteredValue = answer_.enteredValue();
    return outcome;
}

void TForm5::showCorrectAnswer() {
    if (problem_.choice == 1) {
        showFraction(8, 9, 2, problem_.reducedNum, problem_.reducedDen);
        return;
    }
    showFraction(14, 15, 4, problem_.convertedNum1, problem_.leastDen);
    showFraction(16, 17, 5, problem_.convertedNum2, problem_.leastDen);
    label(20)->setText(ReducingText::comma());
    label(23)->setText(ReducingText::becomes());
}
