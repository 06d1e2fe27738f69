// The screen for multiples and common multiples (TForm2).
#include "lessons/Unit2.h"

#include "core/PracticeState.h"

#include <QLabel>

TForm2::TForm2(AppContext& ctx, QWidget* parent)
    : NumberLesson(ctx, 2, MultiplesText::chapterTitle(), MultiplesText::topicTitle(),
                   {Variant::Explain, MultiplesText::menuText(), MultiplesText::menuItems(), 12},
                   AnswerWheels::wholeNumberLayout(), 5, {LessonText::Submit}, parent) {}

void TForm2::clearProblem() {
    problem_ = {};
    answer_ = MultiplesAnswer();
}

QString TForm2::explanation(int choice) const {
    return MultiplesText::explanation(choice);
}

std::optional<QString> TForm2::pose(int choice) {
    if (choice != 1 && choice != 2)
        return std::nullopt;
    problem_ = makeMultiplesProblem(choice, context().random);
    answer_ = MultiplesAnswer(problem_);
    PracticeState& s = state();
    const std::vector<int>& n = problem_.given;
    if (choice == 1) {
        s.BaseNumber = n[0];
        s.Whole1 = problem_.expected[0];
        s.Den1 = problem_.expected[1];
        s.Num1 = problem_.expected[2];
    } else {
        s.Whole1 = n[0];
        s.Den1 = n[1];
        s.Num1 = n.size() > 2 ? n[2] : 0;
    }
    s.CorrectValue = problem_.correctValue();
    problemLabel()->setText(problem_.statement());
    return problem_.entryPrompt(0);
}

EntryOutcome TForm2::enter(int) {
    const EntryOutcome outcome = answer_.enter(state().EnteredValue);
    if (outcome.kind == EntryOutcome::Kind::Ignore)
        return outcome;
    entriesLabel()->setText(answer_.echo());
    if (outcome.kind == EntryOutcome::Kind::Judge)
        state().EnteredValue = answer_.packed();
    return outcome;
}

void TForm2::showCorrectAnswer() {
    answerLabel()->setText(problem_.correctAnswer());
}
