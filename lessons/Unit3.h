// TForm3, the screen for divisors and common divisors: the child reads how
// to find them, then enters every divisor (or common divisor) of a problem
// in increasing order, "◆" after each and "■" after the last.
#pragma once

#include "lessons/Divisors.h"
#include "lessons/NumberLesson.h"

class TForm3 : public NumberLesson {
    Q_OBJECT
public:
    TForm3(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void clearProblem() override;
    QString explanation(int choice) const override;
    std::optional<QString> pose(int choice) override;
    EntryOutcome enter(int item) override;
    void showCorrectAnswer() override;

private:
    DivisorsProblem problem_;
    DivisorsAnswer answer_;
};
