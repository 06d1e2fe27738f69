// TForm4, the screen for estimating products and quotients: the child reads
// how to estimate, then enters the rounded operands and the estimate, each
// as a digit and a place (hundreds, thousands, …); the estimate is judged.
#pragma once

#include "lessons/Estimates.h"
#include "lessons/NumberLesson.h"

class TForm4 : public NumberLesson {
    Q_OBJECT
public:
    TForm4(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void clearProblem() override;
    QString explanation(int choice) const override;
    std::optional<QString> pose(int choice) override;
    EntryOutcome enter(int item) override;
    void showCorrectAnswer() override;

private:
    EstimateProblem problem_;
    EstimateAnswer answer_;
};
