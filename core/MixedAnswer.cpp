// Mixed-number answers from the wheels and how they are judged.
#include "core/MixedAnswer.h"

#include "core/Arithmetic.h"

MixedAnswer MixedInLowestTerms(int whole, int num, int den) {
    MixedAnswer a{whole + num / den, 0, 0};
    const int rest = num % den;
    if (rest > 0) {
        const int g = Gcd3(den, rest, 0);
        a.den = den / g;
        a.num = rest / g;
    }
    return a;
}

MixedAnswer EnteredAnswer(const int digitInput[5]) {
    return {digitInput[0], digitInput[1] * 10 + digitInput[2], digitInput[3] * 10 + digitInput[4]};
}

bool IsRightAnswer(const MixedAnswer& expected, const MixedAnswer& entered) {
    if (entered.value() == expected.value())
        return true;
    const bool wholeOnly = expected.den == 0 && expected.num == 0;
    return wholeOnly && entered == MixedAnswer{expected.whole, 1, 0};
}
