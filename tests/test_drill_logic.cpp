// Tests of what the drills compute without any widget: answer texts, the
// verdict, the result lines, and the problems of the drill for adding and
// subtracting fractions.
#include "core/PracticeState.h"
#include "drills/AddSubProblems.h"
#include "drills/DrillLogic.h"
#include "support/Fakes.h"

#include <QTest>

namespace {

// Scripts one draw of RandomFraction: numerator 1 … 10, then denominator 2 … 14.
void pushFraction(ScriptedRandom& random, int num, int den) {
    random.pushBetween(1, num);
    random.pushBetween(2, den);
}

} // namespace

class DrillLogicTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answerText_data() {
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("den");
        QTest::addColumn<int>("num");
        QTest::addColumn<QString>("text");
        QTest::newRow("mixed") << 2 << 5 << 3 << "2・3/5";
        QTest::newRow("proper") << 0 << 5 << 3 << "3/5";
        QTest::newRow("whole alone") << 2 << 0 << 0 << "2";
        QTest::newRow("whole over one") << 2 << 1 << 0 << "2・0/1";
        QTest::newRow("numerator without denominator") << 0 << 0 << 7 << "7/0";
        QTest::newRow("whole and numerator only") << 3 << 0 << 7 << "3・7/0";
        QTest::newRow("nothing entered") << 0 << 0 << 0 << "0";
    }
    void answerText() {
        QFETCH(int, whole);
        QFETCH(int, den);
        QFETCH(int, num);
        QFETCH(QString, text);
        QCOMPARE(FormatMixedNumber(whole, den, num), text);
    }

    void verdict_data() {
        QTest::addColumn<MixedAnswer>("expected");
        QTest::addColumn<MixedAnswer>("entered");
        QTest::addColumn<bool>("right");
        QTest::newRow("same mixed number")
            << MixedAnswer{1, 12, 7} << MixedAnswer{1, 12, 7} << true;
        QTest::newRow("not reduced") << MixedAnswer{0, 2, 1} << MixedAnswer{0, 4, 2} << false;
        QTest::newRow("improper") << MixedAnswer{1, 12, 7} << MixedAnswer{0, 12, 19} << false;
        QTest::newRow("whole on its own wheel")
            << MixedAnswer{2, 0, 0} << MixedAnswer{2, 0, 0} << true;
        QTest::newRow("whole over 01, 00") << MixedAnswer{2, 0, 0} << MixedAnswer{2, 1, 0} << true;
        QTest::newRow("other whole over 01")
            << MixedAnswer{2, 0, 0} << MixedAnswer{3, 1, 0} << false;
        // A drill that expects whole numbers over 1 keeps that form.
        QTest::newRow("over 1 expected") << MixedAnswer{2, 1, 0} << MixedAnswer{2, 0, 0} << false;
    }
    void verdict() {
        QFETCH(MixedAnswer, expected);
        QFETCH(MixedAnswer, entered);
        QFETCH(bool, right);
        QCOMPARE(IsRightAnswer(expected, entered), right);
    }

    void enteredAnswerFromWheels() {
        const int digits[5] = {2, 1, 3, 0, 5};
        const MixedAnswer entered = EnteredAnswer(digits);
        QCOMPARE(entered, (MixedAnswer{2, 13, 5}));
        QCOMPARE(entered.value(), 21305);
    }

    void resultLines() {
        QCOMPARE(DrillResultLines(3, 2, 125),
                 QStringList({"問　題： 3", "○の数： 2", "点　数： 66 点", "時　間： 2 分 5 秒"}));
        QCOMPARE(DrillResultLines(0, 0, 0).at(2), QStringLiteral("点　数： 0 点"));
        QCOMPARE(DrillResultLines(1, 1, 3600 + 59).at(3), QStringLiteral("時　間： 60 分 59 秒"));
        QCOMPARE(DrillTimeLimit(-1), 0); // nothing chosen
        QCOMPARE(DrillTimeLimit(0), 0);
        QCOMPARE(DrillTimeLimit(3), 900);
    }

    void answerOfProblem_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("operands"); // whole, den, num of a, b, c
        QTest::addColumn<int>("commonDen");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("mixed sum")
            << 1 << QList<int>{2, 3, 2, 1, 2, 1, 0, 0, 0} << 6 << 40601 << "2・2/3 + 1・1/2";
        QTest::newRow("sum over one")
            << 1 << QList<int>{0, 4, 3, 0, 6, 5, 0, 0, 0} << 12 << 11207 << "3/4 + 5/6";
        QTest::newRow("difference, improper first")
            << 2 << QList<int>{3, 4, 7, 1, 2, 1, 0, 0, 0} << 4 << 30401 << "3・7/4 - 1・1/2";
        QTest::newRow("three terms")
            << 3 << QList<int>{1, 2, 1, 0, 3, 1, 0, 5, 2} << 30 << 23007 << "1・1/2 + 1/3 + 2/5";
        QTest::newRow("three terms, third taken away")
            << 4 << QList<int>{3, 2, 1, 0, 3, 1, 0, 4, 1} << 12 << 31207 << "3・1/2 + 1/3 - 1/4";
        // A whole result has no fraction, whatever the operands' denominators.
        QTest::newRow("whole result")
            << 3 << QList<int>{1, 2, 1, 0, 3, 1, 0, 6, 1} << 6 << 20000 << "1・1/2 + 1/3 + 1/6";
    }
    void answerOfProblem() {
        QFETCH(int, kind);
        QFETCH(QList<int>, operands);
        QFETCH(int, commonDen);
        QFETCH(int, value);
        QFETCH(QString, text);
        PracticeState s;
        s.Whole1 = operands[0], s.Den1 = operands[1], s.Num1 = operands[2];
        s.Whole2 = operands[3], s.Den2 = operands[4], s.Num2 = operands[5];
        s.Whole3 = operands[6], s.Den3 = operands[7], s.Num3 = operands[8];
        const AddSubWork work = ComputeAddSubAnswer(s, kind);
        QCOMPARE(work.CommonDen, commonDen);
        QCOMPARE(work.answer.value(), value);
        QCOMPARE(AddSubProblemText(s, kind), text);
    }

    // Problems the drill must not pose are drawn again.
    void twoTermRejects_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("rejected"); // num, den of a and b
        QTest::addColumn<QList<int>>("posed");
        QTest::addColumn<int>("value");
        QTest::newRow("second larger")
            << 2 << QList<int>{1, 3, 1, 2} << QList<int>{1, 2, 1, 3} << 601;
        QTest::newRow("same denominator")
            << 1 << QList<int>{1, 5, 2, 5} << QList<int>{1, 5, 1, 2} << 1007;
        QTest::newRow("common denominator 143")
            << 1 << QList<int>{1, 11, 1, 13} << QList<int>{1, 11, 1, 2} << 2213;
    }
    void twoTermRejects() {
        QFETCH(int, kind);
        QFETCH(QList<int>, rejected);
        QFETCH(QList<int>, posed);
        QFETCH(int, value);
        TestApp app;
        app.random.push({0}); // no whole parts
        pushFraction(app.random, rejected[0], rejected[1]);
        pushFraction(app.random, rejected[2], rejected[3]);
        pushFraction(app.random, posed[0], posed[1]);
        pushFraction(app.random, posed[2], posed[3]);
        const AddSubWork work = MakeTwoTermProblem(app.state, app.random, kind);
        QCOMPARE(app.state.Num1, posed[0]);
        QCOMPARE(app.state.Den1, posed[1]);
        QCOMPARE(app.state.Num2, posed[2]);
        QCOMPARE(app.state.Den2, posed[3]);
        QCOMPARE(work.answer.value(), value);
        QVERIFY(app.random.script.empty());
        QVERIFY(app.random.outOfRange.isEmpty());
    }

    void twoTermWholeParts() {
        TestApp app;
        app.state.Whole3 = 5; // left over from a three-term problem
        app.state.Den3 = 7;
        app.random.push({5});         // with whole parts
        app.random.pushBetween(1, 1); // 1 and 3: the smaller first is drawn again
        app.random.pushBetween(1, 3);
        app.random.pushBetween(1, 3);
        app.random.pushBetween(1, 1);
        pushFraction(app.random, 7, 4); // improper first fraction of a difference
        pushFraction(app.random, 1, 2);
        const AddSubWork work = MakeTwoTermProblem(app.state, app.random, KindDifference);
        QCOMPARE(app.state.Whole1, 3);
        QCOMPARE(app.state.Whole2, 1);
        QCOMPARE(app.state.Whole3 + app.state.Den3 + app.state.Num3, 0);
        QCOMPARE(work.answer, (MixedAnswer{3, 4, 1})); // 3・7/4 − 1・1/2 = 3・1/4
    }

    void threeTermWholePartsAndFallback() {
        TestApp app;
        app.random.pushBetween(0, 1); // 1 − 1 − 0 is not above 0: drawn again
        app.random.pushBetween(0, 1);
        app.random.pushBetween(0, 0);
        app.random.pushBetween(0, 3);
        app.random.pushBetween(0, 0);
        app.random.pushBetween(0, 0);
        for (int i = 0; i < 1000; ++i) { // every candidate has two equal denominators
            pushFraction(app.random, 1, 2);
            pushFraction(app.random, 1, 2);
            pushFraction(app.random, 1, 3);
        }
        const AddSubWork work = MakeThreeTermProblem(app.state, app.random, KindSumLessThird);
        QCOMPARE(app.state.Whole1, 3);
        QCOMPARE(app.state.Whole2 + app.state.Whole3, 0);
        // 3・5/6 + 1/3 − 1/4 = 3・11/12
        QCOMPARE(QList<int>({app.state.Den1, app.state.Den2, app.state.Den3}),
                 QList<int>({6, 3, 4}));
        QCOMPARE(work.answer, (MixedAnswer{3, 12, 11}));
        QVERIFY(app.random.script.empty());
    }

    // Many draws (a fixed seed once nothing is scripted): every posed problem
    // can be answered on the wheels.
    void everyPosedProblemFitsTheWheels() {
        PracticeState s;
        ScriptedRandom random;
        for (int i = 0; i < 2000; ++i) {
            const int kind = 1 + i % 4;
            const AddSubWork work = kind <= 2 ? MakeTwoTermProblem(s, random, kind)
                                              : MakeThreeTermProblem(s, random, kind);
            const MixedAnswer& a = work.answer;
            QVERIFY2(a.whole >= 0 && a.whole <= 9 && a.den < 100 && a.num < 100 &&
                         (a.den == 0 ? a.num == 0 : a.num > 0 && a.num < a.den),
                     qPrintable(AddSubProblemText(s, kind)));
            QVERIFY(s.Den1 != s.Den2);
            QVERIFY(a.value() > 0);
        }
    }

    void threeTermKind() {
        TestApp app;
        app.random.push({0, 3, 4, 6});
        QCOMPARE(DrawThreeTermKind(app.random), 3);
        QCOMPARE(DrawThreeTermKind(app.random), 3);
        QCOMPARE(DrawThreeTermKind(app.random), 4);
        QCOMPARE(DrawThreeTermKind(app.random), 4);
    }
};

QTEST_GUILESS_MAIN(DrillLogicTest)
#include "test_drill_logic.moc"
