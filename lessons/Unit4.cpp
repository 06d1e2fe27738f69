// The screen for estimating products and quotients (TForm4).
#include "lessons/Unit4.h"

#include "core/PracticeState.h"
#include "core/SimpleCombo.h"
#include "core/Style.h"

#include <QLabel>
#include <QListWidget>

namespace {
// A digit wheel "数" (DigitInput[3]) and a place wheel "  位" (DigitInput[4]).
std::vector<WheelSpec> estimateLayout() {
    return {{3, 3, EstimatesText::digitPlaceholder(), Style::White},
            {2, 4, EstimatesText::placePlaceholder(), Style::White}};
}
constexpr int PlaceWheelWidth = 48;
} // namespace

TForm4::TForm4(AppContext& ctx, QWidget* parent)
    : NumberLesson(ctx, 4, EstimatesText::chapterTitle(), EstimatesText::topicTitle(),
                   {Variant::Explain, EstimatesText::menuText(), EstimatesText::menuItems(), 12},
                   estimateLayout(), 4, {LessonText::Submit}, parent) {
    // The place wheel holds the seven places and is wider than a digit wheel.
    SimpleCombo* place = wheels()->wheel(2);
    const int widening = PlaceWheelWidth - place->width();
    place->setItems(EstimatesText::placeItems());
    // "  一" and "十万" are equally wide: centred, their last characters line up.
    for (int i = 0; i < place->count(); ++i)
        place->list()->item(i)->setTextAlignment(Qt::AlignCenter);
    place->setFixedWidth(PlaceWheelWidth);
    SimpleCombo* submit = wheels()->submitBox();
    submit->move(submit->x() + widening, submit->y());
    resetAtCreation();
}

void TForm4::clearProblem() {
    problem_ = {};
    answer_ = EstimateAnswer();
}

QString TForm4::explanation(int choice) const {
    return EstimatesText::explanation(choice);
}

std::optional<QString> TForm4::pose(int choice) {
    if (choice != 1 && choice != 2)
        return std::nullopt;
    problem_ = makeEstimateProblem(choice, context().random);
    answer_ = EstimateAnswer(problem_);
    state().Whole1 = problem_.first;
    state().Den1 = problem_.second;
    state().CorrectValue = problem_.estimate;
    problemLabel()->setText(problem_.statement());
    return EstimatesText::entryPrompt(choice, 0);
}

EntryOutcome TForm4::enter(int) {
    PracticeState& s = state();
    s.EnteredValue = entryValue(s.DigitInput[3], s.DigitInput[4]);
    const EntryOutcome outcome = answer_.enter(s.EnteredValue);
    if (outcome.kind != EntryOutcome::Kind::Ignore)
        entriesLabel()->setText(answer_.echo());
    return outcome;
}

void TForm4::showCorrectAnswer() {
    answerLabel()->setText(problem_.correctAnswer());
}
