// The four text lines and the wheel row shared by the screens for
// multiples, divisors and estimates.
#include "lessons/NumberLesson.h"

#include "core/PracticeState.h"
#include "core/Style.h"

#include <QLabel>

namespace {
constexpr int Left = LessonScreen::WorkLeft;
constexpr int Width = TopicScreen::ClientWidth - LessonScreen::WorkLeft - 16;
constexpr int WheelsTop = 196;

QLabel* workLabel(QWidget* screen, int number, const QColor& colour, const QRect& geometry) {
    QLabel* label = Style::label(screen, QStringLiteral("Label%1").arg(number), QString(),
                                 Style::rounded(21), colour, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
} // namespace

NumberLesson::NumberLesson(AppContext& ctx, int number, const QString& chapterTitle,
                           const QString& topicTitle, const Setup& setup,
                           const std::vector<WheelSpec>& wheelLayout, int submitCombo,
                           const QStringList& submitItems, QWidget* parent)
    : LessonScreen(ctx, number, chapterTitle, topicTitle, setup, parent) {
    problem_ = workLabel(this, 4, Style::Navy, QRect(Left, 92, Width, 520));
    entries_ = workLabel(this, 5, Style::Navy, QRect(Left, 500, Width, 32));
    answer_ = workLabel(this, 6, Style::Teal, QRect(Left, 540, Width, 32));
    useWheels(new AnswerWheels(this, wheelLayout, submitCombo, submitItems,
                               QPoint(Left + 50, WheelsTop)));
    addVerdictLabel(7, QPoint(Left + 260, WheelsTop + 100));
}

void NumberLesson::reset() {
    PracticeState& s = state();
    s.ResultsShown = 0;
    for (const WheelSpec& spec : wheels()->specs())
        if (spec.reg >= 0)
            s.DigitInput[spec.reg] = 0;
    s.StepIndex = 0;
    for (int n = 3; n <= 7; ++n)
        label(n)->clear();
    wheels()->hide();
    clearProblem();
}

void NumberLesson::showExplanation(int choice) {
    problem_->setText(explanation(choice));
}
