// TForm7: the drill for adding and subtracting fractions ("分数の計算・１"):
// sums and differences of two fractions or mixed numbers, and sums of three.
#pragma once

#include "drills/DrillScreen.h"

class TForm7 final : public DrillScreen {
    Q_OBJECT
public:
    explicit TForm7(AppContext& ctx, QWidget* parent = nullptr);

protected:
    DrillProblem makeProblem(int menu, bool firstOfRun) override;

private:
    int ProblemKind = 0; // 1 a + b, 2 a − b, 3 a + b + c, 4 a + b − c
};
