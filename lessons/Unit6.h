// TForm6, the screen for adding and subtracting fractions: "次へ" poses a
// sum or difference of two or three fractions; study mode works it out one
// step at a time, test mode has the child enter each step on the wheels.
#pragma once

#include "lessons/AddSubFractions.h"
#include "lessons/LessonScreen.h"

class TForm6 : public LessonScreen {
    Q_OBJECT
public:
    TForm6(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void reset() override;
    std::optional<QString> pose(int choice) override;
    StepOutcome step(int stepIndex) override;
    EntryOutcome enter(int item) override;
    void showCorrectAnswer() override;

private:
    // Writes the captions, shows the bars, and lays the rows out again.
    void apply(const WorkUpdate& update);
    // Places every row's fractions and signs left to right by their texts,
    // so that nothing overlaps whatever numbers they hold.
    void arrangeRows();
    int placeSlot(int slot, int x, int top);
    int placeSign(int labelNumber, int x, int top);

    AddSubWorking working_;
};
