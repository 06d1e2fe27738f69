// Number and fraction helpers shared by the lesson and drill screens:
// greatest common divisor, least common multiple, random fractions and
// decimals, combining fractions into lowest terms, and decimal text.
#pragma once

#include <QString>

struct PracticeState;
class RandomSource;

// Greatest common divisor of a and b (c = 0), or of a, b and c. The largest
// i ≤ the smallest operand that divides them all; 0 when that operand is ≤ 0.
int Gcd3(int a, int b, int c);

// Least common multiple of a and b (c ≤ 0), or of a, b and c: the first
// multiple of the largest operand that the others divide. 0 when the product
// of the operands taking part is not positive. Computed in 64 bits.
long long Lcm3(int a, int b, int c);

// Draws a fraction in lowest terms into RandDen (2 … 14) and RandNum (1 … 10).
// mode 1: proper (numerator below denominator); mode 2: improper allowed.
// After 1000 rejected draws the last pair stays.
void RandomFraction(PracticeState& state, RandomSource& random, int mode);

// Draws RandDecimal (tens 0 … 8, ones 1 … 8) and RandPlaces (1 or 2).
void RandomDecimal(PracticeState& state, RandomSource& random);

struct CombinedFraction {
    int CombinedWhole = 0;
    int CombinedDen = 0;
    int CombinedNum = 0;
    int CombinedRawNum = 0; // kinds 2 and 3: numerator over the common denominator
};

// Combines fractions into a whole part and a remainder in lowest terms.
//   kind 1: (b1·b2·b3) / (a1·a2·a3)
//   kind 2: (a1 + a3/a2) + (b1 + b3/b2)      kind 3: the difference
//   kind 4: (a1 + a3/a2) × (b1 + b3/b2)      kind 5: the quotient
// A whole result has denominator 1 and numerator 0 (kind 3 keeps its common
// denominator). Kind 3 with a smaller first fraction gives a negative raw
// numerator; callers check it. A zero denominator gives all zeros.
CombinedFraction CombineFractions(int kind, int a1, int a2, int a3, int b1, int b2, int b3);

// The text of a non-negative decimal with `places` (1 or 2) digits after the
// point. With one place a whole value is written without point ("3");
// otherwise the value is cut (not rounded) to `places` decimals.
QString FormatDecimal(double value, int places);
