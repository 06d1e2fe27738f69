// Number and fraction helpers: gcd, lcm, random fractions and decimals,
// fraction combination and decimal text. Integer division truncates toward
// zero; products are taken in 64 bits.
#include "core/Arithmetic.h"

#include "core/PracticeState.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

int Gcd3(int a, int b, int c) {
    const int smallest = c == 0 ? std::min(a, b) : std::min({a, b, c});
    if (smallest <= 0)
        return 0;
    // All operands are positive here, so the trial method's answer is the gcd.
    int g = std::gcd(a, b);
    return c == 0 ? g : std::gcd(g, c);
}

long long Lcm3(int a, int b, int c) {
    const long long product =
        c > 0 ? static_cast<long long>(a) * b * c : static_cast<long long>(a) * b;
    if (product <= 0)
        return 0;
    // g is the largest operand; p and q are the other two in their order.
    int ops[3] = {a, b, c};
    const int largest = static_cast<int>(std::max_element(ops, ops + 3) - ops);
    const long long g = ops[largest];
    const long long p = ops[largest == 0 ? 1 : 0];
    const long long q = ops[largest == 2 ? 1 : 2];
    if (g == 0)
        return 0; // every multiple of 0 is 0
    // The first x = g·i (i ≥ 1) divisible by p (and by q when q > 0).
    long long step = std::lcm(std::llabs(g), std::llabs(p));
    if (q > 0)
        step = std::lcm(step, q);
    return g > 0 ? step : -step;
}

void RandomFraction(PracticeState& state, RandomSource& random, int mode) {
    for (int draw = 0; draw < 1000; ++draw) {
        state.RandNum = random.between(1, 10);
        state.RandDen = random.between(2, 14);
        if (Gcd3(state.RandDen, state.RandNum, 0) == 1 &&
            (mode != 1 || state.RandNum < state.RandDen))
            return;
    }
}

void RandomDecimal(PracticeState& state, RandomSource& random) {
    const int r = random.between(0, 8);
    const int t = random.between(0, 8);
    const int u = random.between(1, 8);
    state.RandDecimal = t * 10 + u;
    state.RandPlaces = r > 4 ? 2 : 1;
}

namespace {

long long gcdOrZero(long long x, long long y) {
    // Gcd3 of two operands, in 64 bits.
    if (std::min(x, y) <= 0)
        return 0;
    return std::gcd(x, y);
}

CombinedFraction fromRatio(long long y, long long x) {
    // Y / X as whole part and remainder in lowest terms.
    CombinedFraction r;
    if (x == 0)
        return r;
    if (y == 0) {
        r.CombinedDen = 1;
        return r;
    }
    long long g = gcdOrZero(x, y);
    if (g == 0)
        g = 1; // a negative side: keep the quotient, no reduction
    x /= g;
    y /= g;
    r.CombinedWhole = static_cast<int>(y / x);
    r.CombinedDen = static_cast<int>(x);
    r.CombinedNum = static_cast<int>(y % x);
    return r;
}

CombinedFraction sumOrDifference(bool difference, int a1, int a2, int a3, int b1, int b2, int b3) {
    CombinedFraction r;
    const long long l = Lcm3(a2, b2, 0);
    if (a2 == 0 || b2 == 0 || l == 0)
        return r;
    const long long first = l * a3 / a2;
    const long long second = l * b3 / b2;
    const long long n = difference ? first - second : first + second;
    r.CombinedRawNum = static_cast<int>(n);
    const long long wholes =
        difference ? static_cast<long long>(a1) - b1 : static_cast<long long>(a1) + b1;
    if (!difference && n == 0) {
        // Two whole numbers: the sum is whole, in the same form as kinds 1, 4, 5.
        r.CombinedWhole = static_cast<int>(wholes);
        r.CombinedDen = 1;
        return r;
    }
    long long g = gcdOrZero(l, n);
    if ((difference && n <= 0) || g == 0)
        g = 1;
    const long long den = l / g;
    const long long num = n / g;
    r.CombinedWhole = static_cast<int>(num / den + wholes);
    r.CombinedDen = static_cast<int>(den);
    r.CombinedNum = static_cast<int>(num % den);
    return r;
}

} // namespace

CombinedFraction CombineFractions(int kind, int a1, int a2, int a3, int b1, int b2, int b3) {
    using ll = long long;
    switch (kind) {
    case 1:
        return fromRatio(ll{b1} * b2 * b3, ll{a1} * a2 * a3);
    case 2:
        return sumOrDifference(false, a1, a2, a3, b1, b2, b3);
    case 3:
        return sumOrDifference(true, a1, a2, a3, b1, b2, b3);
    case 4:
        return fromRatio((ll{a1} * a2 + a3) * (ll{b1} * b2 + b3), ll{a2} * b2);
    case 5:
        return fromRatio(ll{b2} * (ll{a1} * a2 + a3), ll{a2} * (ll{b1} * b2 + b3));
    default:
        return {};
    }
}

QString FormatDecimal(double value, int places) {
    if (value < 0)
        return QStringLiteral("-") + FormatDecimal(-value, places);
    // std::nearbyint rounds exact halves to the even neighbour.
    if (places == 1) {
        const long long a = std::llround(std::nearbyint(value * 10));
        if (a % 10 == 0)
            return QString::number(a / 10);
    }
    const long long n = std::llround(std::nearbyint(value * std::pow(10.0, places + 1))) / 10;
    QString digits = QString::number(n);
    if (digits.size() <= places)
        digits = QString(places + 1 - digits.size(), QLatin1Char('0')) + digits;
    digits.insert(digits.size() - places, QLatin1Char('.'));
    return digits;
}
