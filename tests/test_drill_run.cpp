// Tests of a timed drill run on the drill for adding and subtracting
// fractions, driven the way a child does: menu, time, "スタート", wheels and
// "◆", "次へ", "ストップ", "けっか", with the time limit ticked by hand.
#include "core/PracticeState.h"
#include "core/SimpleCombo.h"
#include "drills/Unit7.h"
#include "drills/untDTM.h"
#include "support/Fakes.h"

#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

const QString PromptAnswer = QStringLiteral("答えは、整数、分母、分子を選び、◆をクリックしてね！");
const QString PromptDone = QStringLiteral("おつかれさま！");
const QString TimeUp = QStringLiteral("時間だから、ドリルを終わるよ！");

// Message boxes that record their texts and can run something while open.
class RecordingDialogs final : public Dialogs {
public:
    bool confirm(const QString&) override { return false; }
    void information(const QString& text) override {
        infos << text;
        if (whileOpen)
            whileOpen();
    }
    void error(const QString& text) override {
        errors << text;
        if (whileOpen)
            whileOpen();
    }
    QStringList infos;
    QStringList errors;
    std::function<void()> whileOpen;
};

// The drill screen with fakes and a results store in `storePath`.
struct Drill {
    explicit Drill(const QString& storePath)
        : store(storePath), ctx{app.state, app.random, app.cues, dialogs, app.clock, &store, {}},
          form(ctx) {
        form.show();
    }
    TestApp app;
    RecordingDialogs dialogs;
    TDataModule1 store;
    AppContext ctx;
    TForm7 form;
};

// Operands of a problem: whole part, denominator, numerator of a, b (and c).
using Operands = QList<int>;

} // namespace

class DrillRunTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Drill> d_;

    QString storePath() const { return dir_->filePath(QStringLiteral("kyozai.sqlite")); }
    QWidget* w() { return &d_->form; }
    QTimer* timer3() { return d_->form.findChild<QTimer*>(QStringLiteral("Timer3")); }

    // Queues the draws that pose `ops`: menu 1 and 2 draw whole parts (or
    // not) and two fractions; menu 3 draws its kind at "スタート", then
    // three whole parts and three fractions.
    void script(int menu, const Operands& ops, bool firstOfRun = true, int threeTermKind = 3) {
        ScriptedRandom& random = d_->app.random;
        auto fraction = [&random](int den, int num) {
            random.pushBetween(1, num);
            random.pushBetween(2, den);
        };
        if (menu <= 2) {
            if (ops[0] > 0 || ops[3] > 0) {
                random.push({5});
                random.pushBetween(1, ops[0]);
                random.pushBetween(1, ops[3]);
            } else {
                random.push({0});
            }
            fraction(ops[1], ops[2]);
            fraction(ops[4], ops[5]);
            return;
        }
        if (firstOfRun)
            random.push({threeTermKind == 3 ? 0 : 4});
        random.pushBetween(0, ops[0]);
        random.pushBetween(0, ops[3]);
        random.pushBetween(0, ops[6]);
        fraction(ops[1], ops[2]);
        fraction(ops[4], ops[5]);
        fraction(ops[7], ops[8]);
    }

    void chooseMenuAndTime(int menu, int timeItem) {
        Ui::choose(w(), QStringLiteral("ComboBox1"), menu - 1);
        Ui::choose(w(), QStringLiteral("ComboBox2"), timeItem);
    }

    // A run of "たし算" starting with 3/4 + 5/6 (answer 1・7/12).
    void startSums(int timeItem = 0) {
        chooseMenuAndTime(1, timeItem);
        script(1, {0, 4, 3, 0, 6, 5});
        Ui::click(w(), QStringLiteral("CuteButton3"));
    }

    // The wheels: whole part, denominator tens and ones, numerator tens and
    // ones, then "◆".
    void enter(int whole, int den, int num) {
        const int digits[5] = {whole, den / 10, den % 10, num / 10, num % 10};
        const int wheels[5] = {7, 6, 5, 4, 3};
        for (int i = 0; i < 5; ++i)
            Ui::choose(w(), QStringLiteral("ComboBox%1").arg(wheels[i]), digits[i]);
        Ui::choose(w(), QStringLiteral("ComboBox8"), 0);
    }

    // "次へ" with the next sum queued.
    void nextSum(const Operands& ops = {0, 2, 1, 0, 3, 1}) {
        script(1, ops, false);
        Ui::click(w(), QStringLiteral("CuteButton4"));
    }

    void tick(int times) {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(timer3(), "timeout");
    }

    QStringList resultLines() {
        QStringList lines;
        for (int n = 5; n <= 8; ++n)
            lines << Ui::text(w(), QStringLiteral("Label%1").arg(n));
        return lines;
    }

    // The run controls that can be used now; "wheels" stands for the five
    // wheels and "◆", which are always enabled or disabled together.
    QStringList usable() {
        QStringList names;
        if (Ui::enabled(w(), QStringLiteral("ComboBox2")))
            names << QStringLiteral("time");
        const char* buttons[] = {"スタート", "次へ", "ストップ", "けっか"};
        for (int n = 3; n <= 6; ++n)
            if (Ui::enabled(w(), QStringLiteral("CuteButton%1").arg(n)))
                names << QString::fromUtf8(buttons[n - 3]);
        int wheels = 0;
        for (int n = 3; n <= 8; ++n)
            wheels += Ui::enabled(w(), QStringLiteral("ComboBox%1").arg(n)) ? 1 : 0;
        if (wheels == 6)
            names << QStringLiteral("wheels");
        else if (wheels > 0)
            names << QStringLiteral("some wheels");
        return names;
    }

    void expectState(const QStringList& controls, const QString& prompt, const QList<int>& cues) {
        QCOMPARE(usable(), controls);
        QCOMPARE(Ui::text(w(), QStringLiteral("Label3")), prompt);
        QCOMPARE(d_->app.cueLog(), cues);
        d_->app.clearCues();
    }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        d_ = std::make_unique<Drill>(storePath());
    }
    void cleanup() { d_.reset(); }

    void statesOfARun() {
        expectState({}, QStringLiteral("「メニュー」を選んでね！"), {12});
        Ui::choose(w(), QStringLiteral("ComboBox1"), 0);
        expectState({"time"}, QStringLiteral("「時間」を選んでね！"), {17});
        Ui::choose(w(), QStringLiteral("ComboBox2"), 0);
        expectState({"スタート"}, QStringLiteral("「スタート」ボタンをおしてね！"), {17});
        script(1, {0, 4, 3, 0, 6, 5});
        Ui::click(w(), QStringLiteral("CuteButton3"));
        expectState({"wheels"}, PromptAnswer, {12, 11});
        QCOMPARE(Ui::text(w(), QStringLiteral("Label4")),
                 QStringLiteral(
                     "問題番号： 1\n\n答えは、仮分数なら帯分数にし、できるだけ\n小さく約分する。"));
        const QStringList shown = {Ui::text(w(), "Label11"), Ui::text(w(), "Label10"),
                                   Ui::text(w(), "Label21"), Ui::text(w(), "Label14"),
                                   Ui::text(w(), "Label13"), Ui::text(w(), "Label22")};
        QCOMPARE(shown, QStringList({"3", "4", "+", "5", "6", "="}));
        QVERIFY(Ui::visible(w(), "Shape1") && Ui::visible(w(), "Shape2"));
        QVERIFY(!Ui::visible(w(), "Shape3") && !Ui::visible(w(), "Shape4"));

        Ui::choose(w(), QStringLiteral("ComboBox7"), 1);
        expectState({"wheels"}, PromptAnswer, {17});
        Ui::choose(w(), QStringLiteral("ComboBox8"), 0);
        expectState({"次へ", "ストップ", "wheels"}, QStringLiteral("「次へ」ボタンで進めてね！"),
                    {12});
        nextSum();
        expectState({"wheels"}, PromptAnswer, {11});
        QVERIFY(
            Ui::text(w(), QStringLiteral("Label4")).startsWith(QStringLiteral("問題番号： 2\n\n")));
        enter(0, 6, 5);
        d_->app.clearCues();
        Ui::click(w(), QStringLiteral("CuteButton5"));
        expectState({"スタート", "けっか", "wheels"}, PromptDone, {19});
        QCOMPARE(Ui::text(w(), QStringLiteral("Label4")), QString());

        Ui::click(w(), QStringLiteral("CuteButton6"));
        QVERIFY(Ui::visible(w(), QStringLiteral("DBGrid1")));
        expectState({"スタート", "けっか", "wheels"},
                    QStringLiteral("もう一度「けっか」ボタンをおすと消えるよ！"), {});
        Ui::click(w(), QStringLiteral("CuteButton6"));
        QVERIFY(!Ui::visible(w(), QStringLiteral("DBGrid1")));
        expectState({"スタート", "けっか", "wheels"}, PromptDone, {});

        // A new menu choice leaves the run: back to choosing the time.
        Ui::choose(w(), QStringLiteral("ComboBox1"), 1);
        expectState({"time"}, QStringLiteral("「時間」を選んでね！"), {17});
        QVERIFY(resultLines().join(QString()).isEmpty());
    }

    void verdictRows_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<Operands>("operands");
        QTest::addColumn<Operands>("entry");
        QTest::addColumn<QStringList>("row"); // MND, KAI, KOT, HNT
        QTest::newRow("right") << 1 << Operands{0, 4, 3, 0, 6, 5} << Operands{1, 12, 7}
                               << QStringList{" 3/4 + 5/6", " 1・7/12", " 1・7/12", " ○"};
        QTest::newRow("improper") << 1 << Operands{0, 4, 3, 0, 6, 5} << Operands{0, 12, 19}
                                  << QStringList{" 3/4 + 5/6", " 1・7/12", " 19/12", " ×"};
        QTest::newRow("numerator only") << 2 << Operands{2, 3, 2, 1, 2, 1} << Operands{0, 0, 7}
                                        << QStringList{" 2・2/3 - 1・1/2", " 1・1/6", " 7/0", " ×"};
        // A whole result, posed after a problem with a fraction answer.
        QTest::newRow("whole alone")
            << 3 << Operands{1, 2, 1, 0, 3, 1, 0, 6, 1} << Operands{2, 0, 0}
            << QStringList{" 1・1/2 + 1/3 + 1/6", " 2", " 2", " ○"};
        QTest::newRow("whole over 01")
            << 3 << Operands{1, 2, 1, 0, 3, 1, 0, 6, 1} << Operands{2, 1, 0}
            << QStringList{" 1・1/2 + 1/3 + 1/6", " 2", " 2・0/1", " ○"};
    }
    void verdictRows() {
        QFETCH(int, menu);
        QFETCH(Operands, operands);
        QFETCH(Operands, entry);
        QFETCH(QStringList, row);
        // The first problem has a fraction answer and is answered wrongly.
        chooseMenuAndTime(menu, 0);
        script(menu, menu <= 2 ? Operands{0, 2, 1, 0, 3, 1} : Operands{1, 2, 1, 0, 3, 1, 0, 5, 2});
        Ui::click(w(), QStringLiteral("CuteButton3"));
        enter(0, 0, 0);
        script(menu, operands, false);
        Ui::click(w(), QStringLiteral("CuteButton4"));
        enter(entry[0], entry[1], entry[2]);

        const QList<ResultRow>& rows = d_->store.rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].HNT, QStringLiteral(" ×"));
        QCOMPARE(rows[1].NB, 2);
        QCOMPARE(QStringList({rows[1].MND, rows[1].KAI, rows[1].KOT, rows[1].HNT}), row);
        QCOMPARE(d_->app.state.CorrectCount, row[3] == QStringLiteral(" ○") ? 1 : 0);
    }

    void rowsOfARunStayUntilTheNextStart() {
        startSums();
        enter(1, 12, 7);
        nextSum();
        enter(0, 6, 4);
        nextSum();
        enter(0, 6, 5);
        QCOMPARE(d_->store.rows().size(), 3);
        QCOMPARE(d_->store.model()->index(2, 0).data().toInt(), 3);

        // The program ends and starts again: the rows are still in the file.
        d_.reset();
        d_ = std::make_unique<Drill>(storePath());
        QVERIFY(d_->store.ReopenResults());
        QList<int> numbers;
        for (const ResultRow& r : d_->store.rows())
            numbers << r.NB;
        QCOMPARE(numbers, QList<int>({1, 2, 3}));
        QCOMPARE(d_->store.rows()[1].HNT, QStringLiteral(" ×"));

        startSums();
        QVERIFY(d_->store.rows().isEmpty());
        TDataModule1 file(storePath());
        QVERIFY(file.ReopenResults());
        QVERIFY(file.rows().isEmpty());
    }

    void resultLinesOfAStoppedRun() {
        startSums();
        enter(1, 12, 7);
        nextSum();
        enter(0, 6, 5);
        nextSum();
        enter(0, 6, 4); // wrong
        d_->app.clock.advance(125000);
        Ui::click(w(), QStringLiteral("CuteButton5"));
        QCOMPARE(resultLines(),
                 QStringList({"問　題： 3", "○の数： 2", "点　数： 66 点", "時　間： 2 分 5 秒"}));
    }

    void timeLimit_data() {
        QTest::addColumn<int>("timeItem");
        QTest::addColumn<int>("seconds");
        QTest::newRow("なし") << 0 << 0;
        QTest::newRow("５ふん") << 1 << 300;
        QTest::newRow("１０ぷん") << 2 << 600;
        QTest::newRow("１５ふん") << 3 << 900;
    }
    void timeLimit() {
        QFETCH(int, timeItem);
        QFETCH(int, seconds);
        startSums(timeItem);
        if (seconds == 0) {
            QVERIFY(!timer3()->isActive());
            return;
        }
        QVERIFY(timer3()->isActive());
        QCOMPARE(timer3()->interval(), 1000);
        enter(1, 12, 7);
        nextSum(); // the limit keeps running across "次へ"
        tick(seconds - 1);
        QVERIFY(d_->dialogs.infos.isEmpty());
        QVERIFY(timer3()->isActive());

        // The run ends at the tick, not when the child closes the message.
        d_->app.clock.advance(seconds * 1000);
        d_->dialogs.whileOpen = [this] { d_->app.clock.advance(60000); };
        d_->app.clearCues();
        tick(1);
        QCOMPARE(d_->dialogs.infos, QStringList({TimeUp}));
        QVERIFY(!timer3()->isActive());
        QCOMPARE(resultLines(),
                 QStringList({"問　題： 2", "○の数： 1", "点　数： 50 点",
                              QStringLiteral("時　間： %1 分 0 秒").arg(seconds / 60)}));
        QCOMPARE(usable(), QStringList({"スタート", "けっか", "wheels"}));
        QCOMPARE(Ui::text(w(), QStringLiteral("Label3")), PromptDone);
        QCOMPARE(d_->app.cueLog(), QList<int>({19}));
        tick(5);
        QCOMPARE(d_->dialogs.infos.size(), 1);
    }

    void startRestartsTheTimeLimit() {
        startSums(1);
        enter(1, 12, 7);
        tick(200);
        Ui::click(w(), QStringLiteral("CuteButton5"));
        QVERIFY(!timer3()->isActive());
        script(1, {0, 4, 3, 0, 6, 5});
        Ui::click(w(), QStringLiteral("CuteButton3"));
        tick(299);
        QVERIFY(d_->dialogs.infos.isEmpty());
        tick(1);
        QCOMPARE(d_->dialogs.infos, QStringList({TimeUp}));

        // The next run without a limit has none.
        chooseMenuAndTime(2, 0);
        script(2, {0, 2, 1, 0, 3, 1});
        Ui::click(w(), QStringLiteral("CuteButton3"));
        QVERIFY(!timer3()->isActive());
    }

    void oneVerdictPerProblem() {
        auto* submit = d_->form.findChild<SimpleCombo*>(QStringLiteral("ComboBox8"));
        auto pickAgain = [&] {
            submit->setItemIndex(-1);
            Ui::choose(w(), QStringLiteral("ComboBox8"), 0);
        };
        startSums();
        enter(1, 12, 7);
        pickAgain();
        QCOMPARE(d_->store.rows().size(), 1);
        Ui::click(w(), QStringLiteral("CuteButton5"));
        enter(1, 12, 7);
        pickAgain();
        QCOMPARE(d_->store.rows().size(), 1);
        QCOMPARE(resultLines().at(2), QStringLiteral("点　数： 100 点"));
        QVERIFY(!Ui::enabled(w(), QStringLiteral("CuteButton4")));
    }

    void leavingOrChoosingEndsTheTimeLimit_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu chosen") << QStringLiteral("ComboBox1");
        QTest::newRow("もくじへ") << QStringLiteral("CuteButton2");
    }
    void leavingOrChoosingEndsTheTimeLimit() {
        QFETCH(QString, how);
        startSums(1);
        enter(1, 12, 7);
        if (how == QStringLiteral("ComboBox1"))
            Ui::choose(w(), how, 2);
        else
            Ui::click(w(), how);
        QVERIFY(!timer3()->isActive());
        if (!d_->form.isVisible()) {
            d_->form.show();
            QCOMPARE(usable(), QStringList());
            QCOMPARE(Ui::text(w(), QStringLiteral("ComboBox1")), QStringLiteral("  メニュー"));
        }
    }

    void scoreUsesTheRunsOwnCounters() {
        startSums();
        enter(1, 12, 7);
        d_->app.state.ProblemCount = 0; // as another screen may leave them
        d_->app.state.CorrectCount = 5;
        Ui::click(w(), QStringLiteral("CuteButton5"));
        QCOMPARE(resultLines().mid(0, 3),
                 QStringList({"問　題： 1", "○の数： 1", "点　数： 100 点"}));
    }

    void elapsedTimeIgnoresClockChanges() {
        d_->app.clock.current = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 30));
        startSums();
        enter(1, 12, 7);
        d_->app.clock.monotonic += 65000;
        d_->app.clock.current = QDateTime(QDate(2026, 12, 9), QTime(23, 0, 35)); // set back
        Ui::click(w(), QStringLiteral("CuteButton5"));
        QCOMPARE(resultLines().at(3), QStringLiteral("時　間： 1 分 5 秒"));
    }

    void resultsButtonFollowsTheGrid() {
        startSums();
        enter(0, 12, 19);
        Ui::click(w(), QStringLiteral("CuteButton5"));
        d_->app.state.ResultsShown = 1; // left set by another screen
        Ui::click(w(), QStringLiteral("CuteButton6"));
        auto* grid = d_->form.findChild<QTableView*>(QStringLiteral("DBGrid1"));
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->geometry(), QRect(158, 112, 619, 401));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 3).data().toString(), QStringLiteral(" 19/12"));
        QStringList titles;
        QList<int> widths;
        for (int c = 0; c < 5; ++c) {
            titles << grid->model()->headerData(c, Qt::Horizontal).toString();
            widths << grid->columnWidth(c);
        }
        QCOMPARE(titles, QStringList({"番号", "問題", "答え（正）", "答え（入力）", "○×"}));
        QCOMPARE(widths, QList<int>({40, 300, 100, 100, 40}));
        QCOMPARE(d_->app.state.ResultsShown, 1);
        Ui::click(w(), QStringLiteral("CuteButton6"));
        QVERIFY(!grid->isVisible());
        QCOMPARE(d_->app.state.ResultsShown, 0);
    }

    void storeProblemShownOncePerRun() {
        // A plain file stands where the data folder should be.
        const QString blocker = dir_->filePath(QStringLiteral("blocked"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        d_.reset();
        d_ = std::make_unique<Drill>(blocker + QStringLiteral("/kyozai.sqlite"));
        QString promptDuringMessage;
        d_->dialogs.whileOpen = [&] { promptDuringMessage = Ui::text(w(), "Label3"); };

        startSums(1);
        QCOMPARE(d_->dialogs.errors.size(), 1);
        QVERIFY(d_->dialogs.errors[0].startsWith(
            QStringLiteral("けっかを ほぞんできなかったよ。おうちの人に 見せてね。")));
        QCOMPARE(promptDuringMessage, PromptAnswer); // the start was complete
        QVERIFY(timer3()->isActive());
        enter(1, 12, 7);
        QCOMPARE(usable(), QStringList({"次へ", "ストップ", "wheels"}));
        nextSum();
        enter(0, 6, 5);
        QCOMPARE(d_->dialogs.errors.size(), 1);
        Ui::click(w(), QStringLiteral("CuteButton5"));
        QCOMPARE(resultLines().at(1), QStringLiteral("○の数： 2"));
        QCOMPARE(d_->store.model()->rowCount(), 2); // "けっか" still lists the run

        script(1, {0, 4, 3, 0, 6, 5});
        Ui::click(w(), QStringLiteral("CuteButton3"));
        QCOMPARE(d_->dialogs.errors.size(), 2); // a new run, a new message
    }
};

QTEST_MAIN(DrillRunTest)
#include "test_drill_run.moc"
