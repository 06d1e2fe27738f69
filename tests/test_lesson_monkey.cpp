// Every lesson screen clicked at random, in any order, the way a restless
// child might: menu items, the mode button, "次へ", wheels, the submit box,
// leaving and coming back. Nothing may crash, and the screen must stay
// consistent: a prompt to follow, a mode caption that matches the mode,
// only ○ or × as a verdict, registers within the wheels' range.
#include "core/CuteButton.h"
#include "core/PracticeState.h"
#include "core/SimpleCombo.h"
#include "lessons/Unit2.h"
#include "lessons/Unit3.h"
#include "lessons/Unit4.h"
#include "lessons/Unit5.h"
#include "support/Fakes.h"

#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>
#include <random>

namespace {

using Factory = std::function<LessonScreen*(AppContext&)>;

// The visible controls a child can use right now.
struct Choices {
    QList<SimpleCombo*> lists;
    QList<TCuteButton*> buttons;
};

Choices usable(QWidget* screen) {
    Choices c;
    for (auto* list : screen->findChildren<SimpleCombo*>())
        if (list->isVisible() && list->isEnabled())
            c.lists << list;
    // Mode, "次へ" and steps; "おわる" and "もくじへ" are handled apart.
    for (auto* button : screen->findChildren<TCuteButton*>()) {
        const QString name = button->objectName();
        if (button->isVisible() && button->isEnabled() && name != QStringLiteral("CuteButton1") &&
            name != QStringLiteral("CuteButton2"))
            c.buttons << button;
    }
    return c;
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class LessonMonkeyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomClicks_data();
    void randomClicks();
};

void LessonMonkeyTest::randomClicks_data() {
    QTest::addColumn<Factory>("make");
    QTest::addColumn<int>("verdictLabel");
    QTest::newRow("multiples") << Factory([](AppContext& c) { return new TForm2(c); }) << 7;
    QTest::newRow("divisors") << Factory([](AppContext& c) { return new TForm3(c); }) << 7;
    QTest::newRow("estimates") << Factory([](AppContext& c) { return new TForm4(c); }) << 7;
    QTest::newRow("reducing") << Factory([](AppContext& c) { return new TForm5(c); }) << 22;
}

void LessonMonkeyTest::randomClicks() {
    QFETCH(Factory, make);
    QFETCH(int, verdictLabel);
    TestApp app;
    std::unique_ptr<LessonScreen> screen(make(app.ctx));
    screen->show();
    std::mt19937 pick(4242);
    auto below = [&pick](int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick); };
    int judged = 0; // actions after which a verdict was on the screen
    for (int action = 0; action < 3000; ++action) {
        const Choices c = usable(screen.get());
        const int kind = below(20);
        if (kind == 0) {
            // Leave for the table of contents and come back.
            Ui::click(screen.get(), "CuteButton2");
            screen->show();
        } else if (kind < 5 && !c.buttons.isEmpty()) {
            c.buttons[below(c.buttons.size())]->click();
        } else if (!c.lists.isEmpty()) {
            SimpleCombo* list = c.lists[below(c.lists.size())];
            // Now and then re-report the chosen item, as a second click on it would.
            if (below(10) == 0)
                list->arm();
            list->choose(below(list->count()));
        }

        const PracticeState& s = app.state;
        QVERIFY(!screen->prompt()->text().isEmpty());
        QVERIFY(s.LessonMode == 1 || s.LessonMode == 2);
        QCOMPARE(screen->modeButton()->text(),
                 s.LessonMode == 1 ? QStringLiteral("べんきょう") : QStringLiteral("テスト"));
        const QString verdict = screen->label(verdictLabel)->text();
        QVERIFY2(verdict.isEmpty() || verdict == QStringLiteral("○") ||
                     verdict == QStringLiteral("×"),
                 qPrintable(verdict));
        judged += verdict.isEmpty() ? 0 : 1;
        for (int reg = 0; reg < 5; ++reg)
            QVERIFY(s.DigitInput[reg] >= 0 && s.DigitInput[reg] <= 9);
        QVERIFY(s.StepIndex >= 0);
    }
    QVERIFY(app.random.outOfRange.isEmpty());
    QVERIFY2(judged > 0, "the clicks never reached a verdict");
}

QTEST_MAIN(LessonMonkeyTest)
#include "test_lesson_monkey.moc"
