// The screen for divisors and common divisors: its problems without widgets
// (worked examples, every answer fits the wheels and the ten places), the
// judging of the entered list, and the screen played the way a child does.
#include "core/PracticeState.h"
#include "lessons/Divisors.h"
#include "lessons/Unit2.h"
#include "lessons/Unit3.h"
#include "test_lesson_play.h"

#include <QLabel>
#include <QTest>

using Numbers = QList<int>;

namespace {
std::vector<int> vec(const Numbers& n) {
    return {n.begin(), n.end()};
}
} // namespace

class DivisorsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void problems_data();
    void problems();
    void everyProblemFitsTheWheelsAndTheList();
    void judging_data();
    void judging();
    void entriesAfterTheVerdictGoOnWithTheList();
    void playTheScreen_data();
    void playTheScreen();
    void createdInItsResetState();
    void nextRightAwayUsesTheChoiceOfTheLastScreen();
};

void DivisorsTest::problems_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<Numbers>("script"); // raw draws after the reseed
    QTest::addColumn<Numbers>("given");
    QTest::addColumn<Numbers>("expected");
    QTest::newRow("12") << 1 << Numbers{6} << Numbers{12} << Numbers{1, 2, 3, 4, 6, 12};
    QTest::newRow("23") << 1 << Numbers{17} << Numbers{23} << Numbers{1, 23};
    QTest::newRow("12 and 18") << 2 << Numbers{0, 0, 3, 3} << Numbers{12, 18}
                               << Numbers{1, 2, 3, 6};
    QTest::newRow("multiples of 3: 9 and 15")
        << 2 << Numbers{0, 7, 1, 0} << Numbers{9, 15} << Numbers{1, 3};
    QTest::newRow("three numbers 12, 18, 24")
        << 2 << Numbers{8, 0, 3, 3, 6} << Numbers{12, 18, 24} << Numbers{1, 2, 3, 6};
    QTest::newRow("only those dividing all three")
        << 2 << Numbers{8, 0, 3, 3, 4} << Numbers{12, 18, 20} << Numbers{1, 2};
    QTest::newRow("drawn again until increasing")
        << 2 << Numbers{0, 0, 8, 0, 1, 2} << Numbers{8, 16} << Numbers{1, 2, 4, 8};
}

void DivisorsTest::problems() {
    QFETCH(int, choice);
    QFETCH(Numbers, script);
    QFETCH(Numbers, given);
    QFETCH(Numbers, expected);
    ScriptedRandom random;
    for (int v : script)
        random.script.push_back(v);
    const DivisorsProblem problem = makeDivisorsProblem(choice, random);
    QCOMPARE(random.reseeds, 1);
    QVERIFY(random.script.empty());
    QCOMPARE(problem.given, vec(given));
    QCOMPARE(problem.expected, vec(expected));
}

void DivisorsTest::everyProblemFitsTheWheelsAndTheList() {
    // Every number any draw can give, the last draw of a failed search included.
    auto check = [](const DivisorsProblem& p) {
        QVERIFY(!p.expected.empty());
        QVERIFY(p.expected.size() <= std::size_t(DivisorsAnswer::Places));
        QCOMPARE(p.expected.front(), 1);
        QVERIFY(p.expected.back() <= 999);
    };
    for (int n = 6; n <= 23; ++n)
        check(divisorsOf(n));
    for (bool even : {true, false})
        for (int x = 0; x < (even ? 9 : 6); ++x)
            for (int y = 0; y < 12; ++y)
                for (int z = -1; z < 12; ++z) {
                    std::vector<int> n = even ? std::vector<int>{2 * (x + 3), 2 * (y + 6)}
                                              : std::vector<int>{3 * (x + 2), 3 * (y + 5)};
                    if (z >= 0)
                        n.push_back(2 * (z + 6));
                    check(commonDivisorsOf(n));
                }
}

void DivisorsTest::judging_data() {
    QTest::addColumn<Numbers>("entries"); // "◆" after each, "■" after the last
    QTest::addColumn<bool>("right");
    QTest::newRow("all in order") << Numbers{1, 2, 3, 4, 6, 12} << true;
    QTest::newRow("another order") << Numbers{1, 2, 4, 3, 6, 12} << false;
    QTest::newRow("one left out") << Numbers{1, 2, 3, 6, 12} << false;
    QTest::newRow("one too many") << Numbers{1, 2, 3, 4, 5, 6, 12} << false;
    // The unused places of both lists are 0.
    QTest::newRow("an extra 0 after the last") << Numbers{1, 2, 3, 4, 6, 12, 0} << true;
    // The eleventh number has no place; it must not let the answer pass.
    QTest::newRow("eleven numbers") << Numbers{1, 2, 3, 4, 6, 12, 0, 0, 0, 0, 5} << false;
}

void DivisorsTest::judging() {
    QFETCH(Numbers, entries);
    QFETCH(bool, right);
    DivisorsAnswer answer(divisorsOf(12));
    for (int i = 0; i + 1 < entries.size(); ++i) {
        const EntryOutcome more = answer.enter(entries[i], false);
        QCOMPARE(more.kind, EntryOutcome::Kind::More);
        QCOMPARE(
            more.prompt,
            QString::number(i + 2) +
                QStringLiteral(
                    " つ目の約数を選んで、◆をクリックしてね！ \nさいごの約数の時は ■を押してね！"));
    }
    const EntryOutcome verdict = answer.enter(entries.last(), true);
    QCOMPARE(verdict.kind, EntryOutcome::Kind::Judge);
    QCOMPARE(verdict.right, right);
    QStringList echoed;
    for (int n : entries)
        echoed << QString::number(n);
    QCOMPARE(answer.echo(), QStringLiteral("　入力： ") + echoed.join(QStringLiteral("、")));
}

void DivisorsTest::entriesAfterTheVerdictGoOnWithTheList() {
    DivisorsAnswer answer(commonDivisorsOf({12, 18}));
    for (int n : {1, 2, 3})
        answer.enter(n, false);
    QVERIFY(answer.enter(6, true).right);
    QVERIFY(answer.enter(0, true).right);
    QVERIFY(!answer.enter(9, true).right);
    QCOMPARE(answer.echo(), QStringLiteral("　入力： 1、2、3、6、0、9"));
}

void DivisorsTest::playTheScreen_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<Numbers>("script");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("secondPrompt");
    QTest::addColumn<Numbers>("entries");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("correct");
    const QString of12 = QStringLiteral("次の数の約数を 小さいものから順にぜんぶ求める。\n\n　12");
    const QString second = QStringLiteral(
        "2 つ目の約数を選んで、◆をクリックしてね！ \nさいごの約数の時は ■を押してね！");
    QTest::newRow("divisors of 12")
        << 0 << Numbers{6} << of12 << second << Numbers{1, 2, 3, 4, 6, 12} << "○"
        << "　正しい答え： 1、2、3、4、6、12";
    QTest::newRow("a divisor left out")
        << 0 << Numbers{6} << of12 << second << Numbers{1, 2, 3, 4, 12} << "×"
        << "　正しい答え： 1、2、3、4、6、12";
    QTest::newRow("common divisors of 12 and 18")
        << 1 << Numbers{0, 0, 3, 3}
        << "次の数の公約数を 小さいものから順にぜんぶ求める。\n\n　(12　, 18 )"
        << "2つ目の公約数を選んで、◆をクリックしてね！" << Numbers{1, 2, 3, 6} << "○"
        << "　正しい答え： 1、2、3、6";
}

void DivisorsTest::playTheScreen() {
    QFETCH(int, item);
    QFETCH(Numbers, script);
    QFETCH(QString, statement);
    QFETCH(QString, secondPrompt);
    QFETCH(Numbers, entries);
    QFETCH(QString, mark);
    QFETCH(QString, correct);

    TestApp app;
    TForm3 screen(app.ctx);
    screen.show();
    QCOMPARE(Ui::text(&screen, "Label2"), QStringLiteral("約数と公約数"));
    Ui::choose(&screen, "ComboBox1", item);
    const QString firstLines[] = {QStringLiteral("ある整数を わりきることができる整数を "),
                                  QStringLiteral("いくつかの整数に共通な約数を「公約数」と")};
    QVERIFY(Ui::text(&screen, "Label4").startsWith(firstLines[item]));
    const int lines[] = {11, 18};
    QCOMPARE(Ui::text(&screen, "Label4").count(QLatin1Char('\n')) + 1, lines[item]);
    QCOMPARE(Ui::text(&screen, "Label3"), QStringLiteral("「メニュー」を選んでね！"));
    Ui::click(&screen, "CuteButton3");

    for (int v : script)
        app.random.script.push_back(v);
    Ui::click(&screen, "CuteButton4");
    QCOMPARE(Ui::text(&screen, "Label4"), statement);
    QCOMPARE(LessonPlay::firstLine(&screen, "Label3"),
             item == 0 ? QStringLiteral("１つ目の約数を選んで、◆をクリックしてね！")
                       : QStringLiteral("１つ目の公約数を選んで、◆をクリックしてね！"));
    app.clearCues();
    QList<int> cues;
    for (int i = 0; i < entries.size(); ++i) {
        for (int turned = LessonPlay::turnWheels(&screen, {4, 3, 2}, entries[i]); turned > 0;
             --turned)
            cues << 17;
        const bool last = i + 1 == entries.size();
        LessonPlay::submit(&screen, 5, last ? 1 : 0);
        cues << (!last ? 17 : mark == QStringLiteral("○") ? 14 : 13);
        if (i == 0)
            QCOMPARE(Ui::text(&screen, "Label3"), secondPrompt);
    }
    QCOMPARE(app.state.StepIndex, int(entries.size()));
    QCOMPARE(Ui::text(&screen, "Label7"), mark);
    QCOMPARE(Ui::text(&screen, "Label6"), correct);
    QCOMPARE(app.cueLog(), cues);
    QVERIFY(Ui::visible(&screen, "ComboBox5"));
}

void DivisorsTest::createdInItsResetState() {
    TestApp app;
    app.state.SoundOn = 0;
    app.state.LessonMode = 2;
    app.state.DigitInput[2] = 4;
    app.state.ResultsShown = 1;
    TForm3 screen(app.ctx);
    QCOMPARE(app.state.LessonMode, 1);
    QCOMPARE(app.state.DigitInput[2], 0);
    QCOMPARE(app.state.ResultsShown, 0);
    QVERIFY(app.audibleCues().isEmpty());
}

void DivisorsTest::nextRightAwayUsesTheChoiceOfTheLastScreen() {
    // The second item chosen on the multiples screen: "次へ" on this screen,
    // before any choice here, poses common divisors.
    TestApp app;
    TForm2 multiples(app.ctx);
    TForm3 screen(app.ctx);
    multiples.show();
    Ui::choose(&multiples, "ComboBox1", 1);
    Ui::click(&multiples, "CuteButton2");
    screen.show();
    QCOMPARE(Ui::text(&screen, "ComboBox1"), QStringLiteral("     メニュー"));
    app.random.push({0, 0, 3, 3});
    Ui::click(&screen, "CuteButton4");
    QCOMPARE(Ui::text(&screen, "Label4"),
             QStringLiteral("次の数の公約数を 小さいものから順にぜんぶ求める。\n\n　(12　, 18 )"));
    QVERIFY(Ui::visible(&screen, "ComboBox5"));
}

QTEST_MAIN(DivisorsTest)
#include "test_unit3_divisors.moc"
