// The number and fraction helpers: worked examples, the whole-number
// results that must not divide by zero, 64-bit products, decimal text at
// the rounding boundaries, random draws, and a comparison with the plain
// trial methods on many inputs.
#include "core/Arithmetic.h"
#include "support/Fakes.h"

#include <QTest>

namespace reference {
// The trial methods written out literally.
int gcd3(int a, int b, int c) {
    const int m = c == 0 ? std::min(a, b) : std::min({a, b, c});
    int result = 0;
    for (int i = 1; i <= m; ++i)
        if (a % i == 0 && b % i == 0 && (c == 0 || c % i == 0))
            result = i;
    return result;
}

long long lcm3(int a, int b, int c) {
    int ops[3] = {a, b, c};
    const int largest = static_cast<int>(std::max_element(ops, ops + 3) - ops);
    const long long g = ops[largest];
    const long long p = ops[largest == 0 ? 1 : 0];
    const long long q = ops[largest == 2 ? 1 : 2];
    const long long n = c > 0 ? 1LL * a * b * c : 1LL * a * b;
    if (n <= 0)
        return 0;
    for (long long i = 1; i <= n; ++i) {
        const long long x = g * i;
        if (x % p == 0 && (q <= 0 || x % q == 0))
            return x;
    }
    return 0;
}
} // namespace reference

class ArithmeticTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gcdAndLcm_data();
    void gcdAndLcm();
    void matchesTrialMethods();
    void combine_data();
    void combine();
    void combineMatchesExactFractions();
    void formatDecimal_data();
    void formatDecimal();
    void randomFraction();
    void randomFractionKeepsLastPairAfterThousandRejections();
    void randomDecimal();
    void systemRandomIsFreshAfterEveryReseed();
};

void ArithmeticTest::gcdAndLcm_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("gcd");
    QTest::addColumn<long long>("lcm");
    QTest::newRow("12 8") << 12 << 8 << 0 << 4 << 24LL;
    QTest::newRow("12 18 30") << 12 << 18 << 30 << 6 << 180LL;
    QTest::newRow("0 5") << 0 << 5 << 0 << 0 << 0LL;
    QTest::newRow("4 6") << 4 << 6 << 0 << 2 << 12LL;
    QTest::newRow("4 6 10") << 4 << 6 << 10 << 2 << 60LL;
    QTest::newRow("0 6") << 0 << 6 << 0 << 0 << 0LL;
    QTest::newRow("negative c is a two-operand lcm") << 4 << 6 << -1 << 0 << 12LL;
    QTest::newRow("negative operand") << -4 << 6 << 0 << 0 << 0LL;
    QTest::newRow("product beyond 32 bits") << 65536 << 65535 << 0 << 1 << 4294901760LL;
}

void ArithmeticTest::gcdAndLcm() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, gcd);
    QFETCH(long long, lcm);
    QCOMPARE(Gcd3(a, b, c), gcd);
    QCOMPARE(Lcm3(a, b, c), lcm);
}

void ArithmeticTest::matchesTrialMethods() {
    // Every operand triple in −6 … 24, including zero and negatives.
    int checked = 0;
    for (int a = -6; a <= 24; ++a)
        for (int b = -6; b <= 24; ++b)
            for (int c = -6; c <= 24; c += 3) {
                QCOMPARE(Gcd3(a, b, c), reference::gcd3(a, b, c));
                QCOMPARE(Lcm3(a, b, c), reference::lcm3(a, b, c));
                ++checked;
            }
    QVERIFY(checked > 9000);
}

void ArithmeticTest::combine_data() {
    QTest::addColumn<QList<int>>("operands"); // kind, a1, a2, a3, b1, b2, b3
    QTest::addColumn<QList<int>>("result");   // whole, den, num, raw
    QTest::newRow("sum 1 1/2 + 2 2/3") << QList<int>{2, 1, 2, 1, 2, 3, 2} << QList<int>{4, 6, 1, 7};
    QTest::newRow("difference 3 3/4 - 1 1/2")
        << QList<int>{3, 3, 4, 3, 1, 2, 1} << QList<int>{2, 4, 1, 1};
    QTest::newRow("difference with a smaller first fraction")
        << QList<int>{3, 3, 4, 1, 1, 2, 1} << QList<int>{2, 4, -1, -1};
    QTest::newRow("difference of equal fractions keeps its denominator")
        << QList<int>{3, 3, 2, 1, 1, 2, 1} << QList<int>{2, 2, 0, 0};
    QTest::newRow("product 1 1/2 x 2/3")
        << QList<int>{4, 1, 2, 1, 0, 3, 2} << QList<int>{1, 1, 0, 0};
    QTest::newRow("quotient 1 1/2 / 3/4")
        << QList<int>{5, 1, 2, 1, 0, 4, 3} << QList<int>{2, 1, 0, 0};
    QTest::newRow("general product 2/3 x 9/4")
        << QList<int>{1, 3, 4, 1, 2, 9, 1} << QList<int>{1, 2, 1, 0};
    // Whole numbers added: no fractional part at all.
    QTest::newRow("sum of two whole numbers")
        << QList<int>{2, 3, 5, 0, 4, 7, 0} << QList<int>{7, 1, 0, 0};
    QTest::newRow("sum of fractions that make a whole")
        << QList<int>{2, 0, 2, 1, 0, 2, 1} << QList<int>{1, 1, 0, 2};
    QTest::newRow("product with a zero numerator side")
        << QList<int>{1, 2, 3, 1, 0, 5, 1} << QList<int>{0, 1, 0, 0};
    QTest::newRow("product of zero mixed numbers")
        << QList<int>{4, 0, 3, 0, 2, 5, 1} << QList<int>{0, 1, 0, 0};
    QTest::newRow("quotient by zero") << QList<int>{5, 1, 2, 1, 0, 3, 0} << QList<int>{0, 0, 0, 0};
    QTest::newRow("zero denominator in a sum")
        << QList<int>{2, 1, 0, 1, 1, 2, 1} << QList<int>{0, 0, 0, 0};
    // Products that outgrow 32 bits before they are reduced.
    QTest::newRow("product beyond 32 bits")
        << QList<int>{1, 1000, 1000, 1000, 3000, 1000, 1000} << QList<int>{3, 1, 0, 0};
    QTest::newRow("unreduced halves multiplied beyond 32 bits")
        << QList<int>{4, 0, 65536, 32768, 0, 65536, 32768} << QList<int>{0, 4, 1, 0};
}

void ArithmeticTest::combine() {
    QFETCH(QList<int>, operands);
    QFETCH(QList<int>, result);
    const CombinedFraction r = CombineFractions(operands[0], operands[1], operands[2], operands[3],
                                                operands[4], operands[5], operands[6]);
    QCOMPARE((QList<int>{r.CombinedWhole, r.CombinedDen, r.CombinedNum, r.CombinedRawNum}), result);
}

void ArithmeticTest::combineMatchesExactFractions() {
    // For every screen-sized pair of mixed numbers, each kind's result must
    // equal the exact rational value, in lowest terms.
    auto check = [](int kind, long long y, long long x, const CombinedFraction& r) {
        const long long g = std::gcd(y, x);
        y /= g;
        x /= g;
        if (y % x == 0) {
            QCOMPARE(r.CombinedWhole, static_cast<int>(y / x));
            QCOMPARE(r.CombinedNum, 0);
            if (kind != 3)
                QCOMPARE(r.CombinedDen, 1);
        } else {
            QCOMPARE(r.CombinedWhole, static_cast<int>(y / x));
            QCOMPARE(r.CombinedDen, static_cast<int>(x));
            QCOMPARE(r.CombinedNum, static_cast<int>(y % x));
        }
    };
    for (int a1 = 0; a1 <= 3; ++a1)
        for (int a2 = 2; a2 <= 14; a2 += 3)
            for (int a3 = 0; a3 < a2; ++a3)
                for (int b1 = 0; b1 <= 2; ++b1)
                    for (int b2 = 2; b2 <= 14; b2 += 4)
                        for (int b3 = 0; b3 < b2; b3 += 2) {
                            const long long ya = 1LL * a1 * a2 + a3, yb = 1LL * b1 * b2 + b3;
                            check(2, ya * b2 + yb * a2, 1LL * a2 * b2,
                                  CombineFractions(2, a1, a2, a3, b1, b2, b3));
                            if (1LL * a3 * b2 > 1LL * b3 * a2 && a1 >= b1)
                                check(3, ya * b2 - yb * a2, 1LL * a2 * b2,
                                      CombineFractions(3, a1, a2, a3, b1, b2, b3));
                            if (ya > 0 && yb > 0) {
                                check(4, ya * yb, 1LL * a2 * b2,
                                      CombineFractions(4, a1, a2, a3, b1, b2, b3));
                                check(5, ya * b2, yb * a2,
                                      CombineFractions(5, a1, a2, a3, b1, b2, b3));
                            }
                        }
}

void ArithmeticTest::formatDecimal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.35 one place is cut") << 2.35 << 1 << "2.3";
    QTest::newRow("2.96 rounds to a whole") << 2.96 << 1 << "3";
    QTest::newRow("0.05 two places") << 0.05 << 2 << "0.05";
    QTest::newRow("3.14159 two places") << 3.14159 << 2 << "3.14";
    QTest::newRow("2.0 one place") << 2.0 << 1 << "2";
    QTest::newRow("2.0 two places") << 2.0 << 2 << "2.00";
    QTest::newRow("0.5 two places") << 0.5 << 2 << "0.50";
    QTest::newRow("zero") << 0.0 << 1 << "0";
    QTest::newRow("zero two places") << 0.0 << 2 << "0.00";
    // Exact halves go to the even neighbour: 20.5 → 20 (whole), 19.5 → 20.
    QTest::newRow("2.05 half to even is whole") << 2.05 << 1 << "2";
    QTest::newRow("1.95 half to even is whole") << 1.95 << 1 << "2";
    QTest::newRow("0.25 half to even, then cut") << 0.25 << 1 << "0.2";
    QTest::newRow("0.75 one place") << 0.75 << 1 << "0.7";
    QTest::newRow("0.125 two places") << 0.125 << 2 << "0.12";
    QTest::newRow("10.8 tenths") << 10.8 << 1 << "10.8";
    QTest::newRow("floating error absorbed") << 0.1 + 0.2 << 2 << "0.30";
    QTest::newRow("large value") << 123456.78 << 2 << "123456.78";
}

void ArithmeticTest::formatDecimal() {
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(QString, text);
    QCOMPARE(FormatDecimal(value, places), text);
}

void ArithmeticTest::randomFraction() {
    PracticeState state;
    ScriptedRandom random;
    bool sawImproper = false;
    for (int i = 0; i < 3000; ++i) {
        RandomFraction(state, random, 1);
        QVERIFY(state.RandNum >= 1 && state.RandNum < state.RandDen && state.RandDen <= 14);
        QCOMPARE(Gcd3(state.RandDen, state.RandNum, 0), 1);
        RandomFraction(state, random, 2);
        QVERIFY(state.RandNum >= 1 && state.RandNum <= 10 && state.RandDen >= 2 &&
                state.RandDen <= 14);
        QCOMPARE(Gcd3(state.RandDen, state.RandNum, 0), 1);
        sawImproper = sawImproper || state.RandNum > state.RandDen;
    }
    QVERIFY(sawImproper);
    // Scripted: 4/2 is rejected in mode 2, 7/2 accepted.
    random.push({3, 0, 6, 0});
    RandomFraction(state, random, 2);
    QCOMPARE(state.RandNum, 7);
    QCOMPARE(state.RandDen, 2);
}

void ArithmeticTest::randomFractionKeepsLastPairAfterThousandRejections() {
    PracticeState state;
    ScriptedRandom random;
    // 999 draws of 4/2, then 6/3 as the 1000th: all rejected, 6/3 stays,
    // and the accepted pair queued after them is never drawn.
    for (int i = 0; i < 999; ++i)
        random.push({3, 0});
    random.push({5, 1});
    random.push({0, 0});
    RandomFraction(state, random, 1);
    QCOMPARE(state.RandNum, 6);
    QCOMPARE(state.RandDen, 3);
    QCOMPARE(random.script.size(), std::size_t{2});
}

void ArithmeticTest::randomDecimal() {
    PracticeState state;
    ScriptedRandom random;
    random.push({5, 3, 6}); // r = 5 → two places; t = 3; u = 7
    RandomDecimal(state, random);
    QCOMPARE(state.RandDecimal, 37);
    QCOMPARE(state.RandPlaces, 2);
    random.push({4, 0, 0}); // r = 4 → one place; 0.1
    RandomDecimal(state, random);
    QCOMPARE(state.RandDecimal, 1);
    QCOMPARE(state.RandPlaces, 1);
    for (int i = 0; i < 2000; ++i) {
        RandomDecimal(state, random);
        QVERIFY(state.RandDecimal % 10 >= 1 && state.RandDecimal % 10 <= 8);
        QVERIFY(state.RandDecimal / 10 <= 8);
        QVERIFY(state.RandPlaces == 1 || state.RandPlaces == 2);
    }
    QVERIFY(random.outOfRange.isEmpty());
}

void ArithmeticTest::systemRandomIsFreshAfterEveryReseed() {
    // Two problems drawn right after one another (two quick presses of
    // "次へ") must not repeat: reseeding never restarts the same sequence.
    SystemRandom random;
    auto draw = [&random] {
        random.reseed();
        QList<int> values;
        for (int i = 0; i < 12; ++i)
            values << random.below(1000);
        return values;
    };
    const QList<int> first = draw();
    const QList<int> second = draw();
    QVERIFY(first != second);
    bool sawTop = false, sawZero = false;
    for (int i = 0; i < 5000; ++i) {
        const int v = random.between(2, 14);
        QVERIFY(v >= 2 && v <= 14);
        sawTop = sawTop || v == 14;
        sawZero = sawZero || v == 2;
    }
    QVERIFY(sawTop && sawZero);
    QCOMPARE(random.below(1), 0);
    QCOMPARE(random.below(0), 0);
}

QTEST_GUILESS_MAIN(ArithmeticTest)
#include "test_arithmetic.moc"
