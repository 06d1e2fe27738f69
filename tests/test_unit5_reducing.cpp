// The screen for reducing fractions and common denominators: its problems
// without widgets (worked examples, fallbacks, every answer fits the
// wheels), the judging of entered fractions, and the screen played the way
// a child does.
#include "core/Arithmetic.h"
#include "core/PracticeState.h"
#include "core/SimpleCombo.h"
#include "lessons/Reducing.h"
#include "lessons/Unit5.h"
#include "test_lesson_play.h"

#include <QLabel>
#include <QTest>

using Fractions = QList<QPair<int, int>>; // (denominator, numerator) as entered

class ReducingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void problems_data();
    void problems();
    void everyProblemFitsTheWheels();
    void judging_data();
    void judging();
    void playTheScreen_data();
    void playTheScreen();
    void explanationsShowTheWorkedExample();
};

void ReducingTest::problems_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QList<int>>("script");  // raw draws after the reseed
    QTest::addColumn<QList<int>>("problem"); // num, den or a, b, c, d
    QTest::addColumn<int>("correctValue");
    QTest::newRow("12/20 (even numbers)") << 1 << QList<int>{0, 4, 8} << QList<int>{12, 20} << 503;
    QTest::newRow("12/18 (multiples of 3)")
        << 1 << QList<int>{3, 2, 4} << QList<int>{12, 18} << 302;
    QTest::newRow("drawn again until proper")
        << 1 << QList<int>{6, 5, 2, 1, 4} << QList<int>{12, 24} << 201;
    QTest::newRow("1/6 and 3/4") << 2 << QList<int>{0, 3, 2, 1} << QList<int>{1, 6, 3, 4} << 20912;
    QTest::newRow("equal denominators drawn again")
        << 2 << QList<int>{0, 2, 0, 2, 0, 3, 2, 1} << QList<int>{1, 6, 3, 4} << 20912;
}

void ReducingTest::problems() {
    QFETCH(int, choice);
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, problem);
    QFETCH(int, correctValue);
    ScriptedRandom random;
    for (int v : script)
        random.script.push_back(v);
    const ReduceProblem p = makeReduceProblem(choice, random);
    QVERIFY(random.script.empty());
    QCOMPARE(random.reseeds, 1);
    if (choice == 1)
        QCOMPARE((QList<int>{p.num, p.den}), problem);
    else
        QCOMPARE((QList<int>{p.a, p.b, p.c, p.d}), problem);
    QCOMPARE(p.correctValue(), correctValue);
}

void ReducingTest::everyProblemFitsTheWheels() {
    // The answer is two-digit denominators and numerators in lowest terms
    // (reducing) or over the least common denominator, for every draw.
    auto fits = [](int n) { return n >= 0 && n <= 99; };
    auto checkReduction = [&](int num, int den) {
        const ReduceProblem p = reductionOf(num, den);
        QVERIFY(fits(p.reducedNum) && fits(p.reducedDen) && p.reducedDen > 0);
        QCOMPARE(Gcd3(p.reducedNum, p.reducedDen, 0), 1);
        QCOMPARE(p.reducedNum * den, num * p.reducedDen);
    };
    for (int x = 0; x < 28; ++x)
        for (int y = 0; y < 28; ++y)
            checkReduction(2 * x + 4, 2 * (y + 2));
    for (int x = 0; x < 18; ++x)
        for (int y = 0; y < 18; ++y)
            checkReduction(3 * x + 6, 3 * y + 6);
    for (int x = 0; x < 13; ++x)
        for (int y = 0; y < 13; ++y)
            checkReduction(4 * (x + 2), 4 * (y + 2));
    int accepted = 0;
    for (int a = 1; a <= 9; ++a)
        for (int b = 3; b <= 20; ++b)
            for (int c = 1; c <= 9; ++c)
                for (int d = 3; d <= 20; ++d) {
                    if (b == d || a >= b || c >= d || Lcm3(b, d, 0) >= 100)
                        continue;
                    ++accepted;
                    const ReduceProblem p = commonDenominatorOf(a, b, c, d);
                    QVERIFY(fits(p.leastDen) && fits(p.convertedNum1) && fits(p.convertedNum2));
                    QCOMPARE(p.convertedNum1 * b, a * p.leastDen);
                    QCOMPARE(p.convertedNum2 * d, c * p.leastDen);
                }
    QVERIFY(accepted > 0);

    // Every draw failing: the last draw (8/8 gives 1/1) and the fixed 4/9, 5/12.
    ScriptedRandom random;
    random.push({6});
    for (int i = 0; i < 200; ++i)
        random.push({0});
    ReduceProblem p = makeReduceProblem(1, random);
    QCOMPARE(p.num, 8);
    QCOMPARE(p.correctValue(), 101);
    for (int i = 0; i < 4000; ++i)
        random.push({0}); // 1/3 and 1/3: equal denominators every time
    p = makeReduceProblem(2, random);
    QVERIFY(random.script.empty());
    QCOMPARE((QList<int>{p.a, p.b, p.c, p.d, p.leastDen}), (QList<int>{4, 9, 5, 12, 36}));
    QCOMPARE(p.correctValue(), 161536);
}

void ReducingTest::judging_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<Fractions>("entries");
    QTest::addColumn<bool>("right");
    QTest::newRow("2/3") << 1 << Fractions{{3, 2}} << true;
    QTest::newRow("numerator on the denominator wheels") << 1 << Fractions{{2, 3}} << false;
    QTest::newRow("not in lowest terms") << 1 << Fractions{{6, 4}} << false;
    QTest::newRow("2/12 and 9/12") << 2 << Fractions{{12, 2}, {12, 9}} << true;
    // The second denominator counts as well.
    QTest::newRow("2/12 and 9/13") << 2 << Fractions{{12, 2}, {13, 9}} << false;
    QTest::newRow("not the least denominator") << 2 << Fractions{{24, 4}, {24, 18}} << false;
    QTest::newRow("the other order") << 2 << Fractions{{12, 9}, {12, 2}} << false;
}

void ReducingTest::judging() {
    QFETCH(int, choice);
    QFETCH(Fractions, entries);
    QFETCH(bool, right);
    const ReduceProblem problem =
        choice == 1 ? reductionOf(12, 18) : commonDenominatorOf(1, 6, 3, 4);
    ReduceAnswer answer(problem);
    EntryOutcome outcome;
    for (const auto& [den, num] : entries)
        outcome = answer.enter({num, den});
    QCOMPARE(outcome.kind, EntryOutcome::Kind::Judge);
    QCOMPARE(outcome.right, right);
    // A further entry is ignored; the verdict stands.
    QCOMPARE(answer.enter({2, 3}).kind, EntryOutcome::Kind::Ignore);
    QCOMPARE(answer.count(), entries.size());
}

void ReducingTest::playTheScreen_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<Fractions>("entries");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QStringList>("shown"); // Label6 … Label9, Label14 … Label17 after the verdict
    QTest::addColumn<int>("enteredValue");
    const QString first1 = QStringLiteral(
        "答えは分母と分子を選んで、◆をクリックしてね！\nどちらも左の方が十の位だよ。");
    QTest::newRow("12/18 reduced") << 0 << QList<int>{3, 2, 4} << Fractions{{3, 2}} << "○"
                                   << QStringList{"12", "18", "2", "3", "", "", "", ""} << 302;
    QTest::newRow("12/18 upside down") << 0 << QList<int>{3, 2, 4} << Fractions{{2, 3}} << "×"
                                       << QStringList{"12", "18", "2", "3", "", "", "", ""} << 203;
    QTest::newRow("1/6 and 3/4") << 1 << QList<int>{0, 3, 2, 1} << Fractions{{12, 2}, {12, 9}}
                                 << "○" << QStringList{"1", "6", "3", "4", "2", "12", "9", "12"}
                                 << 20912;
    QTest::newRow("second denominator wrong")
        << 1 << QList<int>{0, 3, 2, 1} << Fractions{{12, 2}, {13, 9}} << "×"
        << QStringList{"1", "6", "3", "4", "2", "12", "9", "12"} << 20912;
}

void ReducingTest::playTheScreen() {
    QFETCH(int, item);
    QFETCH(QList<int>, script);
    QFETCH(Fractions, entries);
    QFETCH(QString, mark);
    QFETCH(QStringList, shown);
    QFETCH(int, enteredValue);

    TestApp app;
    TForm5 screen(app.ctx);
    screen.show();
    QCOMPARE(Ui::text(&screen, "Label1"), QStringLiteral("分数の計算・１"));
    QCOMPARE(Ui::text(&screen, "ComboBox1"), QStringLiteral("    メニュー"));
    Ui::choose(&screen, "ComboBox1", item);
    Ui::click(&screen, "CuteButton3");
    for (int v : script)
        app.random.script.push_back(v);
    Ui::click(&screen, "CuteButton4");
    QCOMPARE(Ui::text(&screen, "Label4"),
             item == 0 ? QStringLiteral("次の分数を できるだけ小さい数に約分する。")
                       : QStringLiteral("次の分数を できるだけ小さい数に通分する。"));
    QCOMPARE(Ui::text(&screen, "Label12"), item == 0 ? QStringLiteral("=") : QStringLiteral("、"));
    QCOMPARE(Ui::text(&screen, "ComboBox5") + Ui::text(&screen, "ComboBox4") +
                 Ui::text(&screen, "ComboBox3") + Ui::text(&screen, "ComboBox2"),
             QStringLiteral("分母分子"));
    QCOMPARE(LessonPlay::firstLine(&screen, "Label3"),
             item == 0 ? QStringLiteral("答えは分母と分子を選んで、◆をクリックしてね！")
                       : QStringLiteral("左の分数の通分けっかを選んで、◆をクリックしてね！"));
    app.clearCues();

    QList<int> cues;
    for (int i = 0; i < entries.size(); ++i) {
        const auto [den, num] = entries[i];
        for (int turned = LessonPlay::turnWheels(&screen, {5, 4}, den); turned > 0; --turned)
            cues << 17;
        for (int turned = LessonPlay::turnWheels(&screen, {3, 2}, num); turned > 0; --turned)
            cues << 17;
        LessonPlay::submit(&screen, 6);
        const QString numLabel = i == 0 ? "Label10" : "Label18";
        const QString denLabel = i == 0 ? "Label11" : "Label19";
        QCOMPARE(Ui::text(&screen, numLabel), QString::number(num));
        QCOMPARE(Ui::text(&screen, denLabel), QString::number(den));
        if (i + 1 < entries.size()) {
            cues << 17;
            QCOMPARE(LessonPlay::firstLine(&screen, "Label3"),
                     QStringLiteral("右の分数の通分けっかを選んで、◆をクリックしてね！"));
            QCOMPARE(Ui::text(&screen, "Label22"), QString());
        }
    }
    cues << (mark == QStringLiteral("○") ? 14 : 13);
    QCOMPARE(Ui::text(&screen, "Label13"), QStringLiteral("入力："));
    QCOMPARE(Ui::text(&screen, "Label22"), mark);
    QCOMPARE(app.state.EnteredValue, enteredValue);
    const char* labels[] = {"Label6",  "Label7",  "Label8",  "Label9",
                            "Label14", "Label15", "Label16", "Label17"};
    for (int k = 0; k < 8; ++k)
        QCOMPARE(Ui::text(&screen, labels[k]), shown[k]);
    QCOMPARE(Ui::text(&screen, "Label23"), item == 0 ? QString() : QStringLiteral("⇒"));
    QCOMPARE(Ui::visible(&screen, "Shape2"), true);
    QCOMPARE(Ui::visible(&screen, "Shape4"), item == 1);
    QCOMPARE(app.cueLog(), cues);

    // A further "◆" (even if the box reports it again) leaves the verdict as it is.
    LessonPlay::turnWheels(&screen, {5, 4}, 5);
    LessonPlay::turnWheels(&screen, {3, 2}, 1);
    screen.findChild<SimpleCombo*>("ComboBox6")->arm();
    LessonPlay::submit(&screen, 6);
    QCOMPARE(Ui::text(&screen, "Label22"), mark);
    QCOMPARE(Ui::text(&screen, "Label8"), shown[2]);
    QCOMPARE(Ui::text(&screen, "Label18"),
             item == 0 ? QString() : QString::number(entries[1].second));
    QCOMPARE(app.state.EnteredValue, enteredValue);
}

void ReducingTest::explanationsShowTheWorkedExample() {
    TestApp app;
    TForm5 screen(app.ctx);
    screen.show();
    Ui::choose(&screen, "ComboBox1", 0);
    QVERIFY(Ui::text(&screen, "Label4")
                .startsWith(QStringLiteral("分数の分母と分子を同じ数でわっても分数の大きさは")));
    QVERIFY(Ui::text(&screen, "Label5")
                .startsWith(QStringLiteral("上のれいでは、12 と 18 の最大公約数の 6 で分母と")));
    QCOMPARE(Ui::text(&screen, "Label6") + "/" + Ui::text(&screen, "Label7") +
                 Ui::text(&screen, "Label12") + Ui::text(&screen, "Label8") + "/" +
                 Ui::text(&screen, "Label9"),
             QStringLiteral("12/18=2/3"));
    QVERIFY(Ui::visible(&screen, "Shape1") && Ui::visible(&screen, "Shape2"));
    QCOMPARE(Ui::text(&screen, "Label4").count('\n') + 1, 5);
    QCOMPARE(Ui::text(&screen, "Label5").count('\n') + 1, 5);

    Ui::choose(&screen, "ComboBox1", 1);
    QVERIFY(Ui::text(&screen, "Label4")
                .startsWith(QStringLiteral("いくつかの整数に共通な倍数のことを「公倍数」")));
    QVERIFY(Ui::text(&screen, "Label5")
                .startsWith(QStringLiteral("共通の倍数をさがすと、12 や 24 などで、")));
    QCOMPARE(Ui::text(&screen, "Label4").count('\n') + 1, 8);
    QCOMPARE(Ui::text(&screen, "Label5").count('\n') + 1, 8);
    QVERIFY(!Ui::visible(&screen, "Shape1"));
    QVERIFY(!Ui::visible(&screen, "Label6"));
}

QTEST_MAIN(ReducingTest)
#include "test_unit5_reducing.moc"
