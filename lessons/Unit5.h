// TForm5, the screen for reducing fractions and common denominators: the
// child reads how to reduce a fraction and how to bring two fractions to a
// common denominator, then enters the reduced fraction, or the two
// converted fractions, on the denominator and numerator wheels.
#pragma once

#include "lessons/LessonScreen.h"
#include "lessons/Reducing.h"

class QFrame;

class TForm5 : public LessonScreen {
    Q_OBJECT
public:
    TForm5(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void reset() override;
    void showExplanation(int choice) override;
    std::optional<QString> pose(int choice) override;
    EntryOutcome enter(int item) override;
    void showCorrectAnswer() override;

private:
    // Writes a fraction into its numerator and denominator labels and shows its bar.
    void showFraction(int numLabel, int denLabel, int bar, int num, int den);
    void showLabels(int first, int last);
    void placeStatement(bool problem);

    ReduceProblem problem_;
    ReduceAnswer answer_;
};
