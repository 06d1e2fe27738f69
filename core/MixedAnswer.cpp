// Mixed-number answers from the wheels and how they are judged.
#include "core/MixedAnswer.h"

MixedAnswer EnteredAnswer(const int digitInput[5]) {
    return {digitInput[0], digitInput[1] * 10 + digitInput[2], digitInput[3] * 10 + digitInput[4]};
}

bool IsRightAnswer(const MixedAnswer& expected, const MixedAnswer& entered) {
    if (entered.value() == expected.value())
        return true;
    const bool wholeOnly = expected.den == 0 && expected.num == 0;
    return wholeOnly && entered == MixedAnswer{expected.whole, 1, 0};
}
