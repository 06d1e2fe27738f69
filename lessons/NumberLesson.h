// The frame of the lesson screens whose work area is four lines of text:
// the explanation or problem (Label4), the numbers entered (Label5), the
// correct answer (Label6) and the ○/× mark (Label7), with one row of
// answer wheels. The screens for multiples, divisors and estimates use it.
#pragma once

#include "core/AnswerWheels.h"
#include "lessons/LessonScreen.h"

class NumberLesson : public LessonScreen {
    Q_OBJECT
public:
    NumberLesson(AppContext& ctx, int number, const QString& chapterTitle,
                 const QString& topicTitle, const Setup& setup,
                 const std::vector<WheelSpec>& wheelLayout, int submitCombo,
                 const QStringList& submitItems, QWidget* parent = nullptr);

    QLabel* problemLabel() const { return problem_; }
    QLabel* entriesLabel() const { return entries_; }
    QLabel* answerLabel() const { return answer_; }

protected:
    // Empties Label3 … Label7, hides the wheels and zeroes their registers,
    // then lets the screen forget its problem.
    void reset() final;
    virtual void clearProblem() = 0;

    // Label4 shows the sub-topic's explanation.
    void showExplanation(int choice) final;
    virtual QString explanation(int choice) const = 0;

private:
    QLabel* problem_;
    QLabel* entries_;
    QLabel* answer_;
};
