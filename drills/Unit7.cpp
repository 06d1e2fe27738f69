// The drill for adding and subtracting fractions: its menu, the problems of
// each menu item and how a problem is shown.
#include "drills/Unit7.h"

#include "core/PracticeState.h"
#include "drills/AddSubProblems.h"

#include <QLabel>

namespace {
DrillSetup form7Setup() {
    DrillSetup setup;
    setup.form = 7;
    setup.title = QStringLiteral("分数の計算・１");
    setup.menuItems = {QStringLiteral("たし算"), QStringLiteral("ひき算"),
                       QStringLiteral("３つの計算")};
    setup.startInstruction = DrillScreen::nextInstruction();
    setup.lastLabel = 23;
    setup.bars = 4;
    setup.gridLeft = 158;
    return setup;
}
} // namespace

TForm7::TForm7(AppContext& ctx, QWidget* parent) : DrillScreen(ctx, form7Setup(), parent) {
    // Operands a, b, c with the operators after them; a fourth slot
    // (Label18 … Label20, Shape4) stays blank on this screen.
    addProblemRow(4, 21, 3);
}

DrillProblem TForm7::makeProblem(int menu, bool firstOfRun) {
    const bool threeTerms = menu > 2;
    if (firstOfRun)
        ProblemKind = threeTerms ? DrawThreeTermKind(ctx_.random) : menu;
    PracticeState& s = state();
    const AddSubWork work = threeTerms ? MakeThreeTermProblem(s, ctx_.random, ProblemKind)
                                       : MakeTwoTermProblem(s, ctx_.random, ProblemKind);

    showOperand(0, s.Whole1, s.Den1, s.Num1);
    showOperand(1, s.Whole2, s.Den2, s.Num2);
    if (threeTerms)
        showOperand(2, s.Whole3, s.Den3, s.Num3);
    const QString plus = QStringLiteral("+");
    const QString minus = QStringLiteral("-");
    const QString equals = QStringLiteral("=");
    label(21)->setText(ProblemKind == KindDifference ? minus : plus);
    label(22)->setText(threeTerms ? (ProblemKind == KindSumLessThird ? minus : plus) : equals);
    label(23)->setText(threeTerms ? equals : QString());
    return {work.answer, AddSubProblemText(s, ProblemKind)};
}
