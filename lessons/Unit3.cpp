// The screen for divisors and common divisors (TForm3).
#include "lessons/Unit3.h"

#include "core/PracticeState.h"

#include <QLabel>

TForm3::TForm3(AppContext& ctx, QWidget* parent)
    : NumberLesson(ctx, 3, DivisorsText::chapterTitle(), DivisorsText::topicTitle(),
                   {Variant::Explain, DivisorsText::menuText(), DivisorsText::menuItems(), 12},
                   AnswerWheels::wholeNumberLayout(), 5, DivisorsText::submitItems(), parent) {
    resetAtCreation();
}

void TForm3::clearProblem() {
    problem_ = {};
    answer_ = DivisorsAnswer();
}

QString TForm3::explanation(int choice) const {
    return DivisorsText::explanation(choice);
}

std::optional<QString> TForm3::pose(int choice) {
    if (choice != 1 && choice != 2)
        return std::nullopt;
    problem_ = makeDivisorsProblem(choice, context().random);
    answer_ = DivisorsAnswer(problem_);
    PracticeState& s = state();
    const std::vector<int>& n = problem_.given;
    if (choice == 1) {
        s.BaseNumber = n[0];
    } else {
        s.Whole1 = n[0];
        s.Den1 = n[1];
        s.Num1 = n.size() > 2 ? n[2] : 0;
    }
    problemLabel()->setText(problem_.statement());
    return problem_.entryPrompt(1);
}

EntryOutcome TForm3::enter(int item) {
    // "◆": this number, more to come; "■": the last number.
    const EntryOutcome outcome = answer_.enter(state().EnteredValue, item != 0);
    entriesLabel()->setText(answer_.echo());
    return outcome;
}

void TForm3::showCorrectAnswer() {
    answerLabel()->setText(problem_.correctAnswer());
}
