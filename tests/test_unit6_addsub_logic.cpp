// Adding and subtracting fractions without widgets: the worked solution of a
// problem, the problems the generators pose (forced draws, fallbacks, and
// that every answer fits the wheels), and the stages of the child's entries.
#include "core/PracticeState.h"
#include "lessons/AddSubFractions.h"
#include "test_unit6_work.h"

#include <QMap>
#include <QSet>
#include <QTest>

using AddSubPlay::Operands;
using Numbers = QList<int>;

namespace {

AddSubProblem problemOf(int kind, const Operands& o) {
    AddSubProblem p;
    p.SumKind = kind;
    for (int i = 0; i < o.size() / 3; ++i)
        p.operands[i] = {o[3 * i], o[3 * i + 1], o[3 * i + 2]};
    return p;
}

Operands operandsOf(const AddSubProblem& p) {
    Operands o;
    for (int i = 0; i < p.operandCount(); ++i)
        o << p.operands[i].whole << p.operands[i].den << p.operands[i].num;
    return o;
}

MixedAnswer mixed(int value) {
    return {value / 10000, value / 100 % 100, value % 100};
}

// The work area as the moves of one problem leave it.
struct Area {
    QMap<int, QString> labels;
    QSet<int> bars;
    void apply(const WorkUpdate& u) {
        for (const auto& [n, text] : u.labels)
            labels[n] = text;
        for (int b : u.bars)
            bars.insert(b);
    }
    QString read(int operandCount) const {
        return AddSubPlay::render(
            operandCount, [this](int n) { return labels.value(n); },
            [this](int b) { return bars.contains(b); });
    }
};

} // namespace

class AddSubLogicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void solve_data();
    void solve();
    void generators_data();
    void generators();
    void generatorsFallBackWhenNothingFits_data();
    void generatorsFallBackWhenNothingFits();
    void everyProblemFitsTheWheels();
    void studyStepsEndAtLowestTerms_data();
    void studyStepsEndAtLowestTerms();
    void stagesFollowTheChildsEntries_data();
    void stagesFollowTheChildsEntries();
    void judgeTakesWholeAnswersInBothForms_data();
    void judgeTakesWholeAnswersInBothForms();
};

void AddSubLogicTest::solve_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<Operands>("operands");
    QTest::addColumn<int>("commonDen");
    QTest::addColumn<Numbers>("scaled");
    QTest::addColumn<int>("wholeSum");
    QTest::addColumn<int>("numSum");
    QTest::addColumn<int>("mixedRem");
    QTest::addColumn<int>("correctValue");
    QTest::newRow("1/2 + 1/3") << 1 << Operands{0, 2, 1, 0, 3, 1} << 6 << Numbers{3, 2, 0} << 0 << 5
                               << 0 << 605;
    QTest::newRow("1/2 + 3/4 = 1 1/4")
        << 1 << Operands{0, 2, 1, 0, 4, 3} << 4 << Numbers{2, 3, 0} << 0 << 5 << 1 << 10401;
    QTest::newRow("1/6 + 1/3 = 1/2")
        << 1 << Operands{0, 6, 1, 0, 3, 1} << 6 << Numbers{1, 2, 0} << 0 << 3 << 0 << 201;
    QTest::newRow("1 1/2 + 2 2/3 = 4 1/6")
        << 2 << Operands{1, 2, 1, 2, 3, 2} << 6 << Numbers{3, 4, 0} << 3 << 7 << 1 << 40601;
    QTest::newRow("5/6 - 1/3 = 1/2")
        << 3 << Operands{0, 6, 5, 0, 3, 1} << 6 << Numbers{5, 2, 0} << 0 << 3 << 0 << 201;
    QTest::newRow("3 3/4 - 1 1/2 = 2 1/4")
        << 4 << Operands{3, 4, 3, 1, 2, 1} << 4 << Numbers{3, 2, 0} << 2 << 1 << 0 << 20401;
    QTest::newRow("1/2 + 1/3 + 1/6 = 1") << 5 << Operands{0, 2, 1, 0, 3, 1, 0, 6, 1} << 6
                                         << Numbers{3, 2, 1} << 0 << 6 << 0 << 10000;
    QTest::newRow("2 5/6 + 3/4 - 1 1/3 = 2 1/4") << 6 << Operands{2, 6, 5, 0, 4, 3, 1, 3, 1} << 12
                                                 << Numbers{10, 9, 4} << 1 << 15 << 3 << 20401;
    // A difference that would go below 0 is never posed.
    QTest::newRow("1/3 - 1/2") << 3 << Operands{0, 3, 1, 0, 2, 1} << 6 << Numbers{2, 3, 0} << 0
                               << -1 << 0 << 0;
}

void AddSubLogicTest::solve() {
    QFETCH(int, kind);
    QFETCH(Operands, operands);
    QFETCH(int, commonDen);
    QFETCH(Numbers, scaled);
    QFETCH(int, wholeSum);
    QFETCH(int, numSum);
    QFETCH(int, mixedRem);
    QFETCH(int, correctValue);
    const AddSubSolution s = SolveAddSub(problemOf(kind, operands));
    QCOMPARE(s.CommonDen, commonDen);
    QCOMPARE((Numbers{s.ScaledNum[0], s.ScaledNum[1], s.ScaledNum[2]}), scaled);
    QCOMPARE(s.WholeSum, wholeSum);
    QCOMPARE(s.NumSum, numSum);
    QCOMPARE(s.MixedRem, mixedRem);
    QCOMPARE(s.CorrectValue(), correctValue);
    QCOMPARE(s.usable(), numSum > 0);
}

void AddSubLogicTest::generators_data() {
    // What between() yields after the reseed, in the order of the draws:
    // the kind 0 … 6 (three operands), the whole parts 1 … 4 (two operands)
    // or 0 … 4 (three), then numerator 1 … 10 and denominator 2 … 14 of
    // every fraction in turn.
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("kindDraw");
    QTest::addColumn<Numbers>("wholes");
    QTest::addColumn<Numbers>("fractions");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Operands>("operands");
    QTest::newRow("like denominators drawn again")
        << 1 << -1 << Numbers{} << Numbers{1, 2, 1, 2, 1, 2, 1, 3} << 1
        << Operands{0, 2, 1, 0, 3, 1};
    QTest::newRow("mixed numbers, the larger whole part first")
        << 2 << -1 << Numbers{1, 3, 3, 1} << Numbers{1, 2, 3, 4} << 2 << Operands{3, 2, 1, 1, 4, 3};
    QTest::newRow("a difference below 0 drawn again")
        << 3 << -1 << Numbers{} << Numbers{1, 3, 1, 2, 1, 2, 1, 3} << 3
        << Operands{0, 2, 1, 0, 3, 1};
    QTest::newRow("mixed difference with equal whole parts")
        << 4 << -1 << Numbers{2, 2} << Numbers{1, 4, 1, 2, 3, 4, 1, 2} << 4
        << Operands{2, 4, 3, 2, 2, 1};
    QTest::newRow("three: whole parts drawn again, a like pair drawn again")
        << 5 << 3 << Numbers{1, 1, 0, 2, 1, 0} << Numbers{1, 2, 1, 3, 1, 2, 1, 2, 1, 3, 1, 6} << 5
        << Operands{2, 2, 1, 1, 3, 1, 0, 6, 1};
    QTest::newRow("three, the last subtracted: below 0 drawn again")
        << 5 << 4 << Numbers{3, 1, 1} << Numbers{1, 4, 1, 2, 5, 6, 5, 6, 1, 2, 1, 4} << 6
        << Operands{3, 6, 5, 1, 2, 1, 1, 4, 1};
}

void AddSubLogicTest::generators() {
    QFETCH(int, choice);
    QFETCH(int, kindDraw);
    QFETCH(Numbers, wholes);
    QFETCH(Numbers, fractions);
    QFETCH(int, kind);
    QFETCH(Operands, operands);
    ScriptedRandom random;
    if (kindDraw >= 0)
        random.pushBetween(0, kindDraw);
    for (int w : wholes)
        random.pushBetween(choice == 5 ? 0 : 1, w);
    for (int i = 0; i < fractions.size(); ++i)
        random.pushBetween(i % 2 == 0 ? 1 : 2, fractions[i]);

    const std::optional<AddSubProblem> p = MakeAddSubProblem(choice, random);
    QVERIFY(p);
    QCOMPARE(random.reseeds, 1);
    QVERIFY(random.script.empty());
    QVERIFY(random.outOfRange.isEmpty());
    QCOMPARE(p->SumKind, kind);
    QCOMPARE(operandsOf(*p), operands);
    QVERIFY(!MakeAddSubProblem(0, random));
    QVERIFY(!MakeAddSubProblem(6, random));
}

void AddSubLogicTest::generatorsFallBackWhenNothingFits_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<Numbers>("wholeDraw"); // drawn 100 times, never fitting
    QTest::addColumn<int>("kindDraw");      // choice 5 only
    QTest::addColumn<Operands>("operands");
    // 1000 candidates of 1/2 and 1/2 (and 1/2): like denominators every time.
    QTest::newRow("fractions") << 1 << Numbers{} << -1 << Operands{0, 7, 6, 0, 4, 3};
    // The last draw of the whole parts would put the larger second: the
    // difference would go below 0.
    QTest::newRow("whole parts of a difference")
        << 4 << Numbers{1, 3} << -1 << Operands{3, 7, 6, 1, 4, 3};
    // Whole parts that never fit give way to plain fractions, never to a
    // negative answer.
    QTest::newRow("three operands")
        << 5 << Numbers{0, 0, 4} << 6 << Operands{0, 6, 5, 0, 3, 1, 0, 4, 1};
}

void AddSubLogicTest::generatorsFallBackWhenNothingFits() {
    QFETCH(int, choice);
    QFETCH(Numbers, wholeDraw);
    QFETCH(int, kindDraw);
    QFETCH(Operands, operands);
    ScriptedRandom random;
    if (kindDraw >= 0)
        random.pushBetween(0, kindDraw);
    for (int draw = 0; draw < 100 && !wholeDraw.isEmpty(); ++draw)
        for (int w : wholeDraw)
            random.pushBetween(choice == 5 ? 0 : 1, w);
    const int fractions = choice == 5 ? 3 : 2;
    for (int candidate = 0; candidate < 1000 * fractions; ++candidate)
        random.push({0, 0}); // 1/2
    const std::optional<AddSubProblem> p = MakeAddSubProblem(choice, random);
    QVERIFY(random.script.empty());
    QCOMPARE(operandsOf(*p), operands);
    QVERIFY(SolveAddSub(*p).usable());
}

void AddSubLogicTest::everyProblemFitsTheWheels() {
    // Many problems of every sub-topic from a seeded source: every number the
    // child enters or reads fits the wheels (one digit whole, two digit
    // denominator and numerator), and nothing is negative.
    ScriptedRandom random;
    for (int choice = 1; choice <= 5; ++choice) {
        for (int n = 0; n < 3000; ++n) {
            const AddSubProblem p = *MakeAddSubProblem(choice, random);
            const AddSubSolution s = SolveAddSub(p);
            QVERIFY(s.usable());
            QVERIFY(s.CommonDen < 100);
            QVERIFY(s.NumSum < 100);
            QVERIFY(s.WholeSum >= 0 && s.WholeSum <= 9);
            for (int i = 0; i < p.operandCount(); ++i) {
                QVERIFY(s.ScaledNum[i] < 100);
                QVERIFY(p.operands[i].num < p.operands[i].den);
                for (int j = 0; j < i; ++j)
                    QVERIFY(p.operands[i].den != p.operands[j].den);
            }
            QVERIFY(s.CorrectWhole >= 0 && s.CorrectWhole <= 9);
            QVERIFY(s.CorrectNum < s.CorrectDen || (s.CorrectNum == 0 && s.CorrectDen == 0));
            QCOMPARE(p.operands[0].whole > 0, p.SumKind != 1 && p.SumKind != 3);
        }
    }
}

void AddSubLogicTest::studyStepsEndAtLowestTerms_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<Operands>("operands");
    QTest::addColumn<QString>("solution");
    QTest::newRow("two steps") << 1 << Operands{0, 2, 1, 0, 3, 1}
                               << "1/2 + 1/3 = 3/6 + 2/6 | = 5/6";
    QTest::newRow("reduced at step 3")
        << 3 << Operands{0, 6, 5, 0, 3, 1} << "5/6 - 1/3 = 5/6 - 2/6 | = 3/6 | = 1/2";
    QTest::newRow("mixed number, then reduced")
        << 2 << Operands{1, 2, 1, 1, 6, 5}
        << "1 1/2 + 1 5/6 = 1 3/6 + 1 5/6 | = 2 8/6 | = 3 2/6 | = 3 1/3";
    QTest::newRow("a whole number at step 3") << 5 << Operands{0, 2, 1, 0, 3, 1, 0, 6, 1}
                                              << "1/2 + 1/3 + 1/6 = 3/6 + 2/6 + 1/6 | = 6/6 | = 1";
}

void AddSubLogicTest::studyStepsEndAtLowestTerms() {
    QFETCH(int, kind);
    QFETCH(Operands, operands);
    QFETCH(QString, solution);
    const AddSubWorking working(problemOf(kind, operands));
    Area area;
    area.apply(working.problemRow());
    int index = 0;
    AddSubWorking::Step step;
    do {
        step = working.step(++index);
        area.apply(step.work);
    } while (!step.outcome.last && index < 10);
    QCOMPARE(area.read(working.problem().operandCount()), solution);
    QCOMPARE(index, solution.count(QLatin1Char('|')) + 1);
}

void AddSubLogicTest::stagesFollowTheChildsEntries_data() {
    QTest::addColumn<Numbers>("entries"); // whole × 10000 + denominator × 100 + numerator
    QTest::addColumn<Numbers>("stages");
    QTest::addColumn<QString>("lastPrompt");
    QTest::addColumn<bool>("judged");
    // 1/2 + 3/4 = 2/4 + 3/4 = 5/4 = 1 1/4.
    QTest::newRow("an improper raw result asks for the mixed number")
        << Numbers{402, 403, 405} << Numbers{1, 2, 4} << "帯分数になおしてね！" << false;
    QTest::newRow("a reducible raw result asks for reducing")
        << Numbers{402, 403, 804} << Numbers{1, 2, 4} << "約分してね！" << false;
    QTest::newRow("a raw result in lowest terms is judged")
        << Numbers{402, 403, 504} << Numbers{1, 2, 4} << "" << true;
    QTest::newRow("a whole number as raw result is judged")
        << Numbers{402, 403, 10000} << Numbers{1, 2, 4} << "" << true;
    QTest::newRow("a still improper fifth entry is judged")
        << Numbers{402, 403, 405, 405} << Numbers{1, 2, 4, 5} << "" << true;
    QTest::newRow("a reducible fifth entry asks for reducing")
        << Numbers{402, 403, 405, 10804} << Numbers{1, 2, 4, 5} << "約分してね！" << false;
    QTest::newRow("the sixth entry is judged, a seventh ignored")
        << Numbers{402, 403, 405, 10804, 10804, 10401} << Numbers{1, 2, 4, 5, 6, 0} << "" << true;
}

void AddSubLogicTest::stagesFollowTheChildsEntries() {
    QFETCH(Numbers, entries);
    QFETCH(Numbers, stages);
    QFETCH(QString, lastPrompt);
    QFETCH(bool, judged);
    AddSubWorking working(problemOf(1, {0, 2, 1, 0, 4, 3}));
    AddSubWorking::Entry entry;
    for (int i = 0; i < entries.size(); ++i) {
        entry = working.enter(mixed(entries[i]));
        QCOMPARE(entry.stage, stages[i]);
        if (entry.outcome.kind == EntryOutcome::Kind::Judge)
            QVERIFY(judged);
    }
    if (judged) {
        QVERIFY(entry.outcome.kind != EntryOutcome::Kind::More);
        QCOMPARE(working.enter(mixed(10401)).outcome.kind, EntryOutcome::Kind::Ignore);
    } else {
        QCOMPARE(entry.outcome.kind, EntryOutcome::Kind::More);
        QCOMPARE(entry.outcome.prompt, lastPrompt);
    }
}

void AddSubLogicTest::judgeTakesWholeAnswersInBothForms_data() {
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("entered");
    QTest::addColumn<bool>("right");
    QTest::newRow("whole part alone") << 10000 << 10000 << true;
    QTest::newRow("over 1") << 10000 << 10100 << true;
    QTest::newRow("over another denominator") << 10000 << 10600 << false;
    QTest::newRow("another whole number") << 10000 << 20000 << false;
    QTest::newRow("a fraction") << 10401 << 10401 << true;
    QTest::newRow("the fraction unreduced") << 10401 << 10802 << false;
    QTest::newRow("the fraction's whole part alone") << 10401 << 10000 << false;
}

void AddSubLogicTest::judgeTakesWholeAnswersInBothForms() {
    QFETCH(int, correct);
    QFETCH(int, entered);
    QFETCH(bool, right);
    AddSubSolution s;
    s.CorrectWhole = correct / 10000;
    s.CorrectDen = correct / 100 % 100;
    s.CorrectNum = correct % 100;
    QCOMPARE(JudgeAddSub(s, mixed(entered)), right);
}

QTEST_MAIN(AddSubLogicTest)
#include "test_unit6_addsub_logic.moc"
