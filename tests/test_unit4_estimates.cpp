// The screen for estimating products and quotients: the worked examples,
// every estimate and rounded operand fits the digit and place wheels, the
// echo of the entries, and the screen played the way a child does.
#include "core/PracticeState.h"
#include "lessons/Estimates.h"
#include "lessons/Unit4.h"
#include "test_lesson_play.h"

#include <QLabel>
#include <QTest>
#include <map>

namespace {

// True when `value` is a digit 1 … 9 times a power of ten up to a million.
bool enterable(long long value) {
    for (int place = 0; place <= 6; ++place)
        for (int digit = 1; digit <= 9; ++digit)
            if (entryValue(digit, place) == value)
                return true;
    return false;
}

// One operand for every rounded value that operands of `digits` digits
// (first 1 … 8, middle 0 … 8, last 1 … 8) can have when rounded to `unit`.
std::map<long long, int> representatives(int digits, long long unit) {
    std::map<long long, int> byRounding;
    int low = 1, high = 8;
    for (int i = 1; i < digits; ++i) {
        low = low * 10 + (i + 1 == digits ? 1 : 0);
        high = high * 10 + 8;
    }
    for (int n = low; n <= high; ++n) {
        bool fits = n % 10 != 0 && n % 10 != 9;
        for (int m = n / 10; fits && m >= 10; m /= 10)
            fits = m % 10 != 9;
        if (fits)
            byRounding.emplace(roundTo(n, unit), n);
    }
    return byRounding;
}

struct Pair {
    int digitsA;
    long long unitA;
    int digitsB;
    long long unitB;
};

} // namespace

class EstimatesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void examples_data();
    void examples();
    void generatorDrawsTheExpectedDigits();
    void everyProblemFitsTheWheels();
    void echo_data();
    void echo();
    void playTheScreen_data();
    void playTheScreen();
};

void EstimatesTest::examples_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("correct");
    QTest::addColumn<int>("estimate");
    QTest::newRow("234 x 567") << 1 << 0 << 234 << 567
                               << "次のかけ算の積を見積もる。\n\n　234 x 567"
                               << "　正しい答え： 200 x 600 ≒ 100000" << 100000;
    QTest::newRow("212 x 312 needs no second rounding")
        << 1 << 3 << 212 << 312 << "次のかけ算の積を見積もる。\n\n　212 x 312"
        << "　正しい答え： 200 x 300 = 60000" << 60000;
    QTest::newRow("234 x 5678") << 1 << 4 << 234 << 5678
                                << "次のかけ算の積を見積もる。\n\n　234 x 5678"
                                << "　正しい答え： 200 x 6000 ≒ 1000000" << 1000000;
    QTest::newRow("3.45 x 42") << 1 << 8 << 345 << 42 << "次のかけ算の積を見積もる。\n\n　3.45 x 42"
                               << "　正しい答え： 3 x 40 ≒ 100" << 100;
    QTest::newRow("7856 ÷ 54") << 2 << 0 << 7856 << 54
                               << "次のわり算の商を見積もる。\n\n　7856 ÷ 54"
                               << "　正しい答え： 8000 ÷ 50 ≒ 200" << 200;
    QTest::newRow("7956 ÷ 41 is exact")
        << 2 << 2 << 7956 << 41 << "次のわり算の商を見積もる。\n\n　7956 ÷ 41"
        << "　正しい答え： 8000 ÷ 40 = 200" << 200;
    QTest::newRow("45678 ÷ 345") << 2 << 5 << 45678 << 345
                                 << "次のわり算の商を見積もる。\n\n　45678 ÷ 345"
                                 << "　正しい答え： 50000 ÷ 300 ≒ 200" << 200;
    QTest::newRow("345.6 ÷ 42") << 2 << 8 << 3456 << 42
                                << "次のわり算の商を見積もる。\n\n　345.6 ÷ 42"
                                << "　正しい答え： 300 ÷ 40 ≒ 8" << 8;
}

void EstimatesTest::examples() {
    QFETCH(int, choice);
    QFETCH(int, shape);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, statement);
    QFETCH(QString, correct);
    QFETCH(int, estimate);
    const EstimateProblem p =
        choice == 1 ? estimateProduct(shape, a, b) : estimateQuotient(shape, a, b);
    QCOMPARE(p.statement(), statement);
    QCOMPARE(p.correctAnswer(), correct);
    QCOMPARE(p.estimate, estimate);
}

void EstimatesTest::generatorDrawsTheExpectedDigits() {
    ScriptedRandom random;
    // Shape 0, then 2, 3, 4 and 5, 6, 7 (first and last digits from 1, middle from 0).
    random.push({0, 1, 3, 3, 4, 6, 6});
    EstimateProblem p = makeEstimateProblem(1, random);
    QCOMPARE(p.first, 234);
    QCOMPARE(p.second, 567);
    // Shape 8: four digits 3, 4, 5, 6, then 4, 2.
    random.push({8, 2, 4, 5, 5, 3, 1});
    p = makeEstimateProblem(2, random);
    QCOMPARE(p.firstText, QStringLiteral("345.6"));
    QCOMPARE(p.secondText, QStringLiteral("42"));
    QCOMPARE(p.estimate, 8);
    QVERIFY(random.script.empty());
    QCOMPARE(random.reseeds, 2);
}

void EstimatesTest::everyProblemFitsTheWheels() {
    // Every pair of roundings of every shape: the rounded operands and the
    // estimate are each one digit and a place.
    const Pair products[] = {{3, 100, 3, 100}, {3, 100, 4, 1000}, {3, 100, 2, 10}};
    const Pair quotients[] = {{4, 1000, 2, 10}, {5, 10000, 3, 100}, {4, 1000, 2, 10}};
    const int shapes[] = {0, 4, 8};
    for (int choice : {1, 2})
        for (int k = 0; k < 3; ++k) {
            const Pair& pair = choice == 1 ? products[k] : quotients[k];
            for (const auto& [ra, a] : representatives(pair.digitsA, pair.unitA))
                for (const auto& [rb, b] : representatives(pair.digitsB, pair.unitB)) {
                    const EstimateProblem p = choice == 1 ? estimateProduct(shapes[k], a, b)
                                                          : estimateQuotient(shapes[k], a, b);
                    QVERIFY2(enterable(p.estimate) && enterable(p.roundedFirst) &&
                                 enterable(p.roundedSecond),
                             qPrintable(p.correctAnswer()));
                }
        }
    ScriptedRandom random;
    for (int i = 0; i < 2000; ++i) {
        const EstimateProblem p = makeEstimateProblem(1 + i % 2, random);
        QVERIFY2(enterable(p.estimate), qPrintable(p.correctAnswer()));
    }
}

void EstimatesTest::echo_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QList<int>>("entries");
    QTest::addColumn<QString>("echo");
    QTest::newRow("product, rounded")
        << 1 << QList<int>{200, 600, 100000} << "　入力： 200 x 600 ≒ 100000";
    QTest::newRow("product, exact")
        << 1 << QList<int>{200, 600, 120000} << "　入力： 200 x 600 = 120000";
    // 9,000,000 × 9,000,000 does not fit in 32 bits.
    QTest::newRow("product of the largest entries")
        << 1 << QList<int>{9000000, 9000000, 9000000} << "　入力： 9000000 x 9000000 ≒ 9000000";
    QTest::newRow("quotient, exact")
        << 2 << QList<int>{8000, 40, 200} << "　入力： 8000 ÷ 40 = 200";
    // An untouched second entry is 0: no division, just "≒".
    QTest::newRow("quotient by 0") << 2 << QList<int>{8000, 0, 200} << "　入力： 8000 ÷ 0 ≒ 200";
}

void EstimatesTest::echo() {
    QFETCH(int, choice);
    QFETCH(QList<int>, entries);
    QFETCH(QString, echo);
    EstimateAnswer answer(choice == 1 ? estimateProduct(0, 234, 567)
                                      : estimateQuotient(0, 7856, 54));
    for (int v : entries)
        answer.enter(v);
    QCOMPARE(answer.echo(), echo);
    QCOMPARE(answer.enter(5).kind, EntryOutcome::Kind::Ignore);
}

using Entry = QPair<int, int>; // digit, place (−1: the place wheel is left alone)

void EstimatesTest::playTheScreen_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("echo");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("correct");
    const QStringList products = {
        QStringLiteral("かけられる数のがい数を「数」と「位」で選んで、\n◆をクリックしてね！"),
        QStringLiteral("かける数のがい数を選んで、◆をクリックしてね！"),
        QStringLiteral("答えのがい数を選んで、◆をクリックしてね！")};
    const QStringList quotients = {
        QStringLiteral("わられる数のがい数を「数」と「位」で選んで、\n◆をクリックしてね！"),
        QStringLiteral("わる数のがい数を選んで、◆をクリックしてね！"),
        QStringLiteral("答えのがい数を選んで、◆をクリックしてね！")};
    const QList<int> p234x567{0, 1, 3, 3, 4, 6, 6};
    const QList<int> q7856d54{0, 6, 8, 5, 5, 4, 3};
    QTest::newRow("234 x 567") << 0 << p234x567 << QList<Entry>{{2, 2}, {6, 2}, {1, 5}} << products
                               << "　入力： 200 x 600 ≒ 100000"
                               << "○"
                               << "　正しい答え： 200 x 600 ≒ 100000";
    QTest::newRow("234 x 567 left unrounded")
        << 0 << p234x567 << QList<Entry>{{2, 2}, {6, 2}, {1, 4}} << products
        << "　入力： 200 x 600 ≒ 10000"
        << "×"
        << "　正しい答え： 200 x 600 ≒ 100000";
    QTest::newRow("7856 ÷ 54") << 1 << q7856d54 << QList<Entry>{{8, 3}, {5, 1}, {2, 2}} << quotients
                               << "　入力： 8000 ÷ 50 ≒ 200"
                               << "○"
                               << "　正しい答え： 8000 ÷ 50 ≒ 200";
    QTest::newRow("7856 ÷ 54, divisor wheels untouched")
        << 1 << q7856d54 << QList<Entry>{{8, 3}, {-1, -1}, {2, 2}} << quotients
        << "　入力： 8000 ÷ 0 ≒ 200"
        << "○"
        << "　正しい答え： 8000 ÷ 50 ≒ 200";
    QTest::newRow("345.6 ÷ 42") << 1 << QList<int>{8, 2, 4, 5, 5, 3, 1}
                                << QList<Entry>{{3, 2}, {4, 1}, {8, -1}} << quotients
                                << "　入力： 300 ÷ 40 ≒ 8"
                                << "○"
                                << "　正しい答え： 300 ÷ 40 ≒ 8";
}

void EstimatesTest::playTheScreen() {
    QFETCH(int, item);
    QFETCH(QList<int>, script);
    QFETCH(QList<Entry>, entries);
    QFETCH(QStringList, prompts);
    QFETCH(QString, echo);
    QFETCH(QString, mark);
    QFETCH(QString, correct);

    TestApp app;
    TForm4 screen(app.ctx);
    screen.show();
    QCOMPARE(Ui::text(&screen, "Label1"), QStringLiteral("計算の見積もり"));
    QCOMPARE(Ui::text(&screen, "Label2"), QStringLiteral("積・商の見積もり"));
    Ui::choose(&screen, "ComboBox1", item);
    const QString firstLines[] = {QStringLiteral("複雑なかけ算の積の見積もり方は、教科書に"),
                                  QStringLiteral("複雑なわり算の商の見積もり方は、教科書に")};
    QVERIFY(Ui::text(&screen, "Label4").startsWith(firstLines[item]));
    QCOMPARE(Ui::text(&screen, "Label4").count(QLatin1Char('\n')), 10); // eleven lines
    Ui::click(&screen, "CuteButton3");

    for (int v : script)
        app.random.script.push_back(v);
    Ui::click(&screen, "CuteButton4");
    QCOMPARE(Ui::text(&screen, "ComboBox3"), QStringLiteral("数"));
    QCOMPARE(Ui::text(&screen, "ComboBox2"), QStringLiteral("  位"));
    app.clearCues();
    QList<int> cues;
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(Ui::text(&screen, "Label3"), prompts[i]);
        const auto [digit, place] = entries[i];
        if (digit >= 0) {
            Ui::choose(&screen, "ComboBox3", digit);
            cues << 17;
        }
        if (place >= 0) {
            Ui::choose(&screen, "ComboBox2", place);
            cues << 17;
        }
        LessonPlay::submit(&screen, 4);
        cues << (i < 2 ? 17 : mark == QStringLiteral("○") ? 14 : 13);
    }
    QCOMPARE(Ui::text(&screen, "Label5"), echo);
    QCOMPARE(Ui::text(&screen, "Label7"), mark);
    QCOMPARE(Ui::text(&screen, "Label6"), correct);
    QCOMPARE(app.cueLog(), cues);
}

QTEST_MAIN(EstimatesTest)
#include "test_unit4_estimates.moc"
