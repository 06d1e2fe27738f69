// The screen for multiples and common multiples: its problems without
// widgets (worked examples, redrawn attempts, every answer fits the three
// wheels), and the screen played the way a child does.
#include "core/PracticeState.h"
#include "lessons/Multiples.h"
#include "lessons/Unit2.h"
#include "test_lesson_play.h"

#include <QLabel>
#include <QTest>
#include <numeric>

using Numbers = QList<int>;

namespace {
std::vector<int> vec(const Numbers& n) {
    return {n.begin(), n.end()};
}
} // namespace

class MultiplesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void problems_data();
    void problems();
    void everyProblemFitsTheWheels();
    void rejectedAttemptsEndInAProblemThatFits();
    void judging_data();
    void judging();
    void playTheScreen_data();
    void playTheScreen();
};

void MultiplesTest::problems_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<Numbers>("script"); // raw draws after the reseed
    QTest::addColumn<Numbers>("given");
    QTest::addColumn<Numbers>("expected");
    QTest::addColumn<int>("correctValue");
    QTest::newRow("multiples of 7") << 1 << Numbers{5} << Numbers{7} << Numbers{7, 14, 21} << 71421;
    QTest::newRow("multiples of 24")
        << 1 << Numbers{22} << Numbers{24} << Numbers{24, 48, 72} << 244872;
    QTest::newRow("4 and 6") << 2 << Numbers{0, 1, 3} << Numbers{4, 6} << Numbers{12, 24} << 1224;
    QTest::newRow("3, 4 and 6") << 2 << Numbers{8, 0, 1, 3} << Numbers{3, 4, 6} << Numbers{12, 24}
                                << 1224;
    QTest::newRow("draws until the first is the smaller")
        << 2 << Numbers{0, 3, 1, 0, 4} << Numbers{3, 7} << Numbers{21, 42} << 2142;
    QTest::newRow("7 and 8 reach 112, drawn again")
        << 2 << Numbers{0, 4, 5, 2, 3} << Numbers{5, 6} << Numbers{30, 60} << 3060;
}

void MultiplesTest::problems() {
    QFETCH(int, choice);
    QFETCH(Numbers, script);
    QFETCH(Numbers, given);
    QFETCH(Numbers, expected);
    QFETCH(int, correctValue);
    ScriptedRandom random;
    for (int v : script)
        random.script.push_back(v);
    const MultiplesProblem problem = makeMultiplesProblem(choice, random);
    QCOMPARE(random.reseeds, 1);
    QVERIFY(random.script.empty());
    QCOMPARE(problem.given, vec(given));
    QCOMPARE(problem.expected, vec(expected));
    QCOMPARE(problem.correctValue(), correctValue);
}

void MultiplesTest::everyProblemFitsTheWheels() {
    // Every number a problem can ask for is 1 … 999, increasing, and the two
    // common multiples are the two smallest.
    for (int n = 2; n <= 24; ++n) {
        const MultiplesProblem p = multiplesOf(n);
        QVERIFY(p.expected.back() <= 999);
    }
    for (int a = 3; a <= 8; ++a)
        for (int b = 3; b <= 8; ++b)
            for (int c = 0; c <= 19; ++c) {
                if (c > 0 && c < 3)
                    continue;
                const std::vector<int> given =
                    c ? std::vector<int>{a, b, c} : std::vector<int>{a, b};
                const MultiplesProblem p = commonMultiplesOf(given);
                QCOMPARE(p.expected.size(), std::size_t(2));
                int lcm = 1;
                for (int x : given)
                    lcm = std::lcm(lcm, x);
                QCOMPARE(p.expected[0], lcm);
                QCOMPARE(p.expected[1], 2 * lcm);
            }
    ScriptedRandom random;
    for (int i = 0; i < 3000; ++i) {
        const MultiplesProblem p = makeMultiplesProblem(1 + i % 2, random);
        QVERIFY(!p.expected.empty());
        QVERIFY2(p.expected.front() >= 1 && p.expected.back() <= 999, qPrintable(p.statement()));
        if (p.choice == 2)
            QVERIFY(p.expected[1] < 100);
    }
}

void MultiplesTest::rejectedAttemptsEndInAProblemThatFits() {
    // Three numbers 7, 8, 19 every time: 1064 and 2128 would not fit.
    ScriptedRandom random;
    random.push({8});
    for (int attempt = 0; attempt < 100; ++attempt)
        random.push({4, 5, 16});
    const MultiplesProblem p = makeMultiplesProblem(2, random);
    QVERIFY(random.script.empty());
    QCOMPARE(p.given, (std::vector<int>{3, 4, 6}));
    QCOMPARE(p.expected, (std::vector<int>{12, 24}));
}

void MultiplesTest::judging_data() {
    QTest::addColumn<Numbers>("entries");
    QTest::addColumn<bool>("right");
    QTest::newRow("7, 14, 21") << Numbers{7, 14, 21} << true;
    QTest::newRow("another order") << Numbers{14, 7, 21} << false;
    // Packed two digits apart, 7, 13, 121 would read as 71421.
    QTest::newRow("7, 13, 121") << Numbers{7, 13, 121} << false;
    QTest::newRow("7, 14, 22") << Numbers{7, 14, 22} << false;
}

void MultiplesTest::judging() {
    QFETCH(Numbers, entries);
    QFETCH(bool, right);
    MultiplesAnswer answer(multiplesOf(7));
    QCOMPARE(answer.enter(entries[0]).prompt,
             QStringLiteral("２つ目の倍数を選んで、◆をクリックしてね！"));
    QCOMPARE(answer.enter(entries[1]).prompt,
             QStringLiteral("３つ目の倍数を選んで、◆をクリックしてね！"));
    const EntryOutcome verdict = answer.enter(entries[2]);
    QCOMPARE(verdict.kind, EntryOutcome::Kind::Judge);
    QCOMPARE(verdict.right, right);
    // Further entries change nothing.
    QCOMPARE(answer.enter(7).kind, EntryOutcome::Kind::Ignore);
    QCOMPARE(
        answer.echo(),
        QStringLiteral("　入力： %1 、%2 、%3").arg(entries[0]).arg(entries[1]).arg(entries[2]));
}

void MultiplesTest::playTheScreen_data() {
    QTest::addColumn<int>("item"); // menu item chosen
    QTest::addColumn<Numbers>("script");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("prompts"); // before each entry
    QTest::addColumn<Numbers>("entries");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("correct");

    const QStringList multiplePrompts = {
        QStringLiteral("１つ目の倍数を選んで、◆をクリックしてね！"),
        QStringLiteral("２つ目の倍数を選んで、◆をクリックしてね！"),
        QStringLiteral("３つ目の倍数を選んで、◆をクリックしてね！")};
    const QStringList commonPrompts = {
        QStringLiteral("１つ目の公倍数を選んで、◆をクリックしてね！"),
        QStringLiteral("２つ目の公倍数を選んで、◆をクリックしてね！")};
    const QString of7 = QStringLiteral("次の数の倍数を 小さいものから順に３つ求める。\n\n　7");
    QTest::newRow("multiples of 7")
        << 0 << Numbers{5} << of7 << multiplePrompts << Numbers{7, 14, 21} << "○"
        << "　正しい答え： 7 、14 、21";
    QTest::newRow("multiples in another order")
        << 0 << Numbers{5} << of7 << multiplePrompts << Numbers{21, 14, 7} << "×"
        << "　正しい答え： 7 、14 、21";
    QTest::newRow("three-digit entry")
        << 0 << Numbers{5} << of7 << multiplePrompts << Numbers{7, 13, 121} << "×"
        << "　正しい答え： 7 、14 、21";
    QTest::newRow("common multiples of 4 and 6")
        << 1 << Numbers{0, 1, 3} << "次の数の公倍数を 小さいものから順に２つ求める。\n\n　(4　, 6 )"
        << commonPrompts << Numbers{12, 24} << "○"
        << "　正しい答え： 12 、24";
    QTest::newRow("common multiples of 3, 4 and 6")
        << 1 << Numbers{8, 0, 1, 3}
        << "次の数の公倍数を 小さいものから順に２つ求める。\n\n　(3　, 4　, 6 )" << commonPrompts
        << Numbers{12, 36} << "×"
        << "　正しい答え： 12 、24";
}

void MultiplesTest::playTheScreen() {
    QFETCH(int, item);
    QFETCH(Numbers, script);
    QFETCH(QString, statement);
    QFETCH(QStringList, prompts);
    QFETCH(Numbers, entries);
    QFETCH(QString, mark);
    QFETCH(QString, correct);

    TestApp app;
    TForm2 screen(app.ctx);
    screen.show();
    QCOMPARE(Ui::text(&screen, "Label1"), QStringLiteral("倍数と約数"));
    QCOMPARE(Ui::text(&screen, "Label2"), QStringLiteral("倍数と公倍数"));
    QCOMPARE(Ui::text(&screen, "ComboBox1"), QStringLiteral("     メニュー"));

    Ui::choose(&screen, "ComboBox1", item);
    const QString firstLines[] = {QStringLiteral("ある数を 1 倍、2 倍、3 倍、‥ のように何倍"),
                                  QStringLiteral("いくつかの整数に共通な倍数のことを「公倍数」")};
    QVERIFY(Ui::text(&screen, "Label4").startsWith(firstLines[item]));
    const int lines[] = {6, 18};
    QCOMPARE(Ui::text(&screen, "Label4").count(QLatin1Char('\n')) + 1, lines[item]);
    QVERIFY(!Ui::enabled(&screen, "CuteButton4"));
    Ui::click(&screen, "CuteButton3");
    QCOMPARE(Ui::text(&screen, "Label4"), QString());

    for (int v : script)
        app.random.script.push_back(v);
    app.clearCues();
    Ui::click(&screen, "CuteButton4");
    QCOMPARE(Ui::text(&screen, "Label4"), statement);
    QCOMPARE(app.cueLog(), QList<int>{12});
    QCOMPARE(Ui::text(&screen, "ComboBox4"), QStringLiteral("百"));
    QCOMPARE(Ui::text(&screen, "ComboBox3"), QStringLiteral("十"));
    QCOMPARE(Ui::text(&screen, "ComboBox2"), QStringLiteral("一"));

    QList<int> cues{12};
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(Ui::text(&screen, "Label3"), prompts[i]);
        for (int turned = LessonPlay::turnWheels(&screen, {4, 3, 2}, entries[i]); turned > 0;
             --turned)
            cues << 17;
        LessonPlay::submit(&screen, 5);
        cues << (i + 1 < entries.size() ? 17 : mark == QStringLiteral("○") ? 14 : 13);
    }
    QStringList echoed;
    for (int n : entries)
        echoed << QString::number(n);
    QCOMPARE(Ui::text(&screen, "Label5"), QStringLiteral("　入力： ") + echoed.join(" 、"));
    QCOMPARE(Ui::text(&screen, "Label7"), mark);
    QCOMPARE(Ui::text(&screen, "Label6"), correct);
    QCOMPARE(app.cueLog(), cues);
    // The verdict leaves the prompt and "次へ" as they were.
    QCOMPARE(Ui::text(&screen, "Label3"), prompts.last());
    QVERIFY(Ui::enabled(&screen, "CuteButton4"));
    QVERIFY(Ui::visible(&screen, "ComboBox5"));
}

QTEST_MAIN(MultiplesTest)
#include "test_unit2_multiples.moc"
