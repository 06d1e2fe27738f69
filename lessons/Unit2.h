// TForm2, the screen for multiples and common multiples: the child reads
// how to find them, then enters the first multiples of a number, or the
// first common multiples of two or three numbers, one by one.
#pragma once

#include "lessons/Multiples.h"
#include "lessons/NumberLesson.h"

class TForm2 : public NumberLesson {
    Q_OBJECT
public:
    TForm2(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void clearProblem() override;
    QString explanation(int choice) const override;
    std::optional<QString> pose(int choice) override;
    EntryOutcome enter(int item) override;
    void showCorrectAnswer() override;

private:
    MultiplesProblem problem_;
    MultiplesAnswer answer_;
};
