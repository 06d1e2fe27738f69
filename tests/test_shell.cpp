// The application shell as a child meets it: the start order and the
// opening chime, the table of contents, opening a topic and coming back,
// the quit question, the clock, the prompt blink, the answer wheels, the
// sound cues with a missing file, the help window and the about box.
#include "app/AboutBox.h"
#include "app/Contents.h"
#include "app/HelpWindow.h"
#include "app/Screens.h"
#include "app/Unit1.h"
#include "core/AnswerWheels.h"
#include "core/CuteButton.h"
#include "core/Platform.h"
#include "core/PromptBlink.h"
#include "core/SimpleCombo.h"
#include "core/TopicScreen.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

namespace {
struct Shell {
    TestApp app;
    ScreenSet screens;
    Shell() {
        app.state.SoundOn = 1; // creation must switch it off
        screens = createScreens(app.ctx, app.state.ExeDir);
    }
    ~Shell() { delete screens.form1; }
};
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsInOrderSilentlyThenChimesOnce();
    void contentsShowsTenChaptersAndTwentyButtons();
    void topicOpensOverTheMenuAndReturnsUnchanged();
    void everyTopicScreenHasTheCommonFrame();
    void quitQuestion_data();
    void quitQuestion();
    void realQuitBoxEndsOnlyOnYes_data();
    void realQuitBoxEndsOnlyOnYes();
    void clockText();
    void promptBlinksOnceAndRearmsWithoutOverlap();
    void hidingAScreenStopsItsBlink();
    void wheelsStoreTheChosenDigitAndComposeTheAnswer();
    void wheelsTakeChoicesOnly();
    void cueRules();
    void missingOrBrokenWaveFileIsReportedOnce();
    void helpOpensAtItsContentsPage();
    void aboutBoxNamesProgramVersionAndSubject();
};

void ShellTest::startsInOrderSilentlyThenChimesOnce() {
    Shell shell;
    QStringList expected{"Form1"};
    for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 11, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21})
        expected << QStringLiteral("Form%1").arg(n);
    QCOMPARE(shell.screens.creationOrder, expected);
    QVERIFY(shell.app.state.ExeDir.endsWith(QLatin1Char('/')));
    QCOMPARE(shell.app.state.SoundOn, 0);
    QVERIFY(shell.app.audibleCues().isEmpty());

    auto* timer3 = shell.screens.form1->findChild<QTimer*>(QStringLiteral("Timer3"));
    QVERIFY(timer3 && timer3->isActive() && timer3->isSingleShot());
    QCOMPARE(timer3->interval(), 1000);
    QTest::qWait(500);
    QVERIFY(shell.app.audibleCues().isEmpty()); // still silent within the first second
    QTRY_COMPARE_WITH_TIMEOUT(shell.app.state.SoundOn, 1, 2000);
    QTest::qWait(1200);
    QCOMPARE(shell.app.audibleCues(), QList<int>{16});
}

void ShellTest::contentsShowsTenChaptersAndTwentyButtons() {
    Shell shell;
    TForm1* menu = shell.screens.form1;
    QCOMPARE(Ui::text(menu, "Label4"), QStringLiteral("もくじ"));
    QCOMPARE(Ui::text(menu, "Label5"), QStringLiteral("「ボタン」を選んで はじめてね！"));
    QStringList chapters;
    for (int n = 6; n <= 15; ++n)
        chapters << Ui::text(menu, QStringLiteral("Label%1").arg(n));
    QCOMPARE(chapters.first(), QStringLiteral("１．倍数と約数"));
    QCOMPARE(chapters.last(), QStringLiteral("10．単位"));

    QLabel* chapterLabel = nullptr;
    int chapter = 6;
    for (const ContentsEntry& row : contents()) {
        auto* button =
            menu->findChild<TCuteButton*>(QStringLiteral("CuteButton%1").arg(row.button));
        QVERIFY(button);
        QCOMPARE(button->text(), row.caption);
        QCOMPARE(button->width(), 215);
        QCOMPARE(button->faceColor(), row.drill ? QColor(166, 202, 240) : QColor(189, 232, 215));
        if (!row.chapter.isEmpty()) {
            chapterLabel = menu->findChild<QLabel*>(QStringLiteral("Label%1").arg(chapter++));
            QCOMPARE(chapterLabel->text(), row.chapter);
            // The chapter title stands left of its first button, on its line.
            QVERIFY(chapterLabel->geometry().right() < button->x());
            QCOMPARE(chapterLabel->y(), button->y());
        }
        // Chapters 1 … 6 on the left, 7 … 10 on the right.
        QCOMPARE(button->x() > 455, row.form >= 14);
    }
    auto* quit = menu->findChild<TCuteButton*>(QStringLiteral("CuteButton2"));
    QCOMPARE(quit->text(), QStringLiteral("おわる"));
    QCOMPARE(quit->size(), QSize(90, 30));
}

void ShellTest::topicOpensOverTheMenuAndReturnsUnchanged() {
    Shell shell;
    TForm1* menu = shell.screens.form1;
    menu->show();
    const QString prompt = Ui::text(menu, "Label5");
    Ui::click(menu, "CuteButton7");
    QWidget* topic = shell.screens.topics.at(6);
    QVERIFY(topic->isVisible());
    QCOMPARE(topic->windowModality(), Qt::ApplicationModal);
    QCOMPARE(Ui::text(topic, "Label2"), QStringLiteral("たし算とひき算"));
    Ui::click(topic, "CuteButton2"); // もくじへ
    QVERIFY(!topic->isVisible());
    QVERIFY(menu->isVisible());
    QCOMPARE(Ui::text(menu, "Label5"), prompt);
    QVERIFY(Ui::visible(menu, "Image1"));
}

void ShellTest::everyTopicScreenHasTheCommonFrame() {
    Shell shell;
    for (const ContentsEntry& row : contents()) {
        QWidget* screen = shell.screens.topics.at(row.form);
        const QString name = QStringLiteral("Form%1").arg(row.form);
        QCOMPARE(screen->objectName(), name);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Sorvelin"));
        QCOMPARE(Ui::text(screen, "Label1"), row.chapterTitle);
        QCOMPARE(Ui::text(screen, "Label2"), row.topicTitle);
        QCOMPARE(Ui::text(screen, "CuteButton1"), QStringLiteral("おわる"));
        QCOMPARE(Ui::text(screen, "CuteButton2"), QStringLiteral("もくじへ"));
        for (const char* part : {"Label3", "Image1", "StatusBar1"})
            QVERIFY2(Ui::find(screen, QLatin1String(part)), qPrintable(name + part));
        QVERIFY(screen->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QVERIFY(!screen->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QVERIFY(qAbs(screen->width() - 955) <= 30 && qAbs(screen->height() - 716) <= 30);
    }
}

void ShellTest::quitQuestion_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("quits");
    QTest::newRow("yes ends the program") << true << 1;
    QTest::newRow("no, Esc or the close box keep it running") << false << 0;
}

void ShellTest::quitQuestion() {
    QFETCH(bool, answer);
    QFETCH(int, quits);
    Shell shell;
    QWidget* topic = shell.screens.topics.at(19);
    topic->show();
    shell.app.dialogs.answers.push_back(answer);
    Ui::click(topic, "CuteButton1");
    QCOMPARE(shell.app.dialogs.questions, QStringList{QStringLiteral("終わっても いいの？")});
    QCOMPARE(shell.app.quitRequests, quits);
    QVERIFY(topic->isVisible());
}

void ShellTest::realQuitBoxEndsOnlyOnYes_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Yes") << "yes" << true;
    QTest::newRow("No") << "no" << false;
    QTest::newRow("Esc") << "esc" << false;
    QTest::newRow("close box") << "close" << false;
}

void ShellTest::realQuitBoxEndsOnlyOnYes() {
    QFETCH(QString, how);
    QFETCH(bool, ends);
    QTimer::singleShot(0, [how] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("終わっても いいの？"));
        if (how == "yes")
            box->button(QMessageBox::Yes)->click();
        else if (how == "no")
            box->button(QMessageBox::No)->click();
        else if (how == "esc")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.confirm(QStringLiteral("終わっても いいの？")), ends);
}

void ShellTest::clockText() {
    QCOMPARE(::clockText(QDateTime(QDate(2026, 12, 9), QTime(15, 7))),
             QStringLiteral("12/09  03:07 PM"));
    QCOMPARE(::clockText(QDateTime(QDate(2027, 1, 2), QTime(0, 5))),
             QStringLiteral("01/02  12:05 AM"));
    TestApp app;
    TopicScreen screen(app.ctx, 8, QStringLiteral("平均と速さ"), QStringLiteral("平均と単位量"));
    screen.updateClock();
    QCOMPARE(screen.findChild<QLabel*>(QStringLiteral("Panel1"))->text(),
             QStringLiteral("12/09  03:07 PM"));
}

void ShellTest::promptBlinksOnceAndRearmsWithoutOverlap() {
    TestApp app;
    TopicScreen screen(app.ctx, 9, QStringLiteral("平均と速さ"),
                       QStringLiteral("速さ、道のり、時間"));
    screen.show();
    QTimer* timer = screen.blinkTimer();
    QLabel* prompt = screen.prompt();
    auto* blink = timer->findChild<PromptBlink*>();
    QVERIFY(blink);

    screen.armPrompt(QStringLiteral("「メニュー」を選んでね！"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000); // first arming: one full interval before the flicker
    QList<bool> seen;
    for (int tick = 0; tick < 3; ++tick) {
        blink->tick();
        seen << prompt->isVisible();
    }
    QCOMPARE(seen, (QList<bool>{false, true, true}));
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 500);

    // Re-arming during a blink restarts the count on the running timer:
    // one flicker in all, never two overlapping ones.
    screen.armPrompt();
    blink->tick();
    QVERIFY(!prompt->isVisible());
    screen.armPrompt(QStringLiteral("「次へ」ボタンで進めてね！"));
    QVERIFY(timer->isActive());
    int hides = 0;
    for (int tick = 0; tick < 4 && timer->isActive(); ++tick) {
        blink->tick();
        hides += prompt->isVisible() ? 0 : 1;
    }
    QCOMPARE(hides, 1);
    QVERIFY(prompt->isVisible());
}

void ShellTest::hidingAScreenStopsItsBlink() {
    TestApp app;
    TopicScreen first(app.ctx, 8, QStringLiteral("平均と速さ"), QStringLiteral("平均と単位量"));
    first.show();
    first.armPrompt(QStringLiteral("あ"));
    first.blinkTimer()->findChild<PromptBlink*>()->tick(); // prompt hidden mid-blink
    QVERIFY(!first.prompt()->isVisible());
    first.close();
    QVERIFY(!first.blinkTimer()->isActive());
    QVERIFY(first.prompt()->isVisibleTo(&first));
    // The next screen's blink is not disturbed by the first one's timer.
    TopicScreen second(app.ctx, 9, QStringLiteral("平均と速さ"),
                       QStringLiteral("速さ、道のり、時間"));
    second.show();
    second.armPrompt(QStringLiteral("い"));
    QCOMPARE(app.state.BlinkCount, 0);
    QTest::qWait(60);
    QCOMPARE(app.state.BlinkCount, 0);
}

void ShellTest::wheelsStoreTheChosenDigitAndComposeTheAnswer() {
    TestApp app;
    TopicScreen screen(app.ctx, 10, QStringLiteral("分数の計算・２"), QStringLiteral("かけ算"));
    AnswerWheels wheels(&screen, AnswerWheels::fractionLayout(), 6, {QStringLiteral("◆")},
                        QPoint(300, 200));
    screen.show();
    wheels.arm();
    QCOMPARE(Ui::text(&screen, "ComboBox7"), QStringLiteral("整"));
    QCOMPARE(Ui::text(&screen, "ComboBox5") + Ui::text(&screen, "ComboBox4"),
             QStringLiteral("分母"));
    QCOMPARE(Ui::text(&screen, "ComboBox3") + Ui::text(&screen, "ComboBox2"),
             QStringLiteral("分子"));
    QCOMPARE(Ui::text(&screen, "ComboBox6"), QString());

    app.clearCues();
    Ui::choose(&screen, "ComboBox7", 2);
    Ui::choose(&screen, "ComboBox5", 1);
    Ui::choose(&screen, "ComboBox4", 3);
    Ui::choose(&screen, "ComboBox2", 5); // the numerator's tens wheel is left untouched
    QCOMPARE(app.state.DigitInput[1], 1);
    QCOMPARE(Ui::text(&screen, "ComboBox7"), QStringLiteral("２"));
    QCOMPARE(app.cueLog(), (QList<int>{17, 17, 17, 17}));
    QCOMPARE(wheels.compose(), 21305);

    QSignalSpy submitted(&wheels, &AnswerWheels::submitted);
    Ui::choose(&screen, "ComboBox6", 0);
    QCOMPARE(submitted.count(), 1);

    wheels.arm(); // a new entry starts from zero, showing the placeholders
    QCOMPARE(wheels.compose(), 0);
    QCOMPARE(Ui::text(&screen, "ComboBox7"), QStringLiteral("整"));
    QCOMPARE(wheels.wheel(7)->itemIndex(), -1);
}

void ShellTest::wheelsTakeChoicesOnly() {
    TestApp app;
    TopicScreen screen(app.ctx, 2, QStringLiteral("倍数と約数"), QStringLiteral("倍数と公倍数"));
    AnswerWheels wheels(&screen, AnswerWheels::wholeNumberLayout(), 5, {QStringLiteral("◆")},
                        QPoint(300, 200));
    screen.show();
    wheels.arm();
    SimpleCombo* ones = wheels.wheel(2);
    QLineEdit* edit = ones->findChild<QLineEdit*>();
    QVERIFY(edit->isReadOnly());
    QTest::keyClicks(edit, QStringLiteral("7"));
    QCOMPARE(ones->text(), QStringLiteral("一"));
    // Keyboard focus alone does not choose anything.
    ones->list()->setFocus(Qt::TabFocusReason);
    QCOMPARE(ones->itemIndex(), -1);
    QCOMPARE(app.state.DigitInput[4], 0);
    // Arrow keys do choose, as clicks would, and never leave −1 behind.
    QTest::keyClick(ones->list(), Qt::Key_Down);
    QVERIFY(ones->itemIndex() >= 0);
    QCOMPARE(app.state.DigitInput[4], ones->itemIndex());
}

void ShellTest::cueRules() {
    TestApp app;
    app.ctx.PlaySoundCue(99); // nothing played yet: nothing to replay
    QVERIFY(app.sound.plays.isEmpty());
    app.ctx.PlaySoundCue(12);
    app.ctx.PlaySoundCue(0); // out of range replays the previous file
    app.ctx.PlaySoundCue(21);
    app.state.SoundOn = 0;
    app.ctx.PlaySoundCue(14); // opened, but silent
    QCOMPARE(app.cueLog(), (QList<int>{12, 12, 12, 14}));
    QCOMPARE(app.audibleCues(), (QList<int>{12, 12, 12}));
    QCOMPARE(app.sound.plays.first().path, app.state.ExeDir + QStringLiteral("oto/poon.wav"));
    QStringList files;
    for (int n = 1; n <= 20; ++n)
        files << SoundCues::cueFile(n);
    QCOMPARE(files.mid(10, 9),
             (QStringList{"oto/pipo.wav", "oto/poon.wav", "oto/bubuu.wav", "oto/pinpon.wav",
                          "oto/sharan.wav", "oto/charararan.wav", "oto/bun.wav", "oto/pipon.wav",
                          "oto/chararan.wav"}));
    // Every cue file the build made is a wave file the player accepts.
    for (const QString& file : files)
        QVERIFY2(checkWaveFile(app.state.ExeDir + file).isEmpty(), qPrintable(file));
}

void ShellTest::missingOrBrokenWaveFileIsReportedOnce() {
    {
        TestApp app;
        app.sound.missing = {QStringLiteral("poon.wav"), QStringLiteral("bun.wav")};
        app.ctx.PlaySoundCue(12);
        app.ctx.PlaySoundCue(17);
        app.ctx.PlaySoundCue(12);
        QCOMPARE(app.dialogs.errors.size(), 1);
        QVERIFY(app.dialogs.errors.first().contains(QStringLiteral("poon.wav")));
        QVERIFY(app.dialogs.errors.first().contains(QStringLiteral("oto")));
        app.ctx.PlaySoundCue(14); // other cues go on playing
        QCOMPARE(app.cueLog(), QList<int>{14});
    }
    {
        // The real player checks the file before it plays.
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("oto"));
        QFile broken(dir.filePath(QStringLiteral("oto/bubuu.wav")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a wave file at all, just text");
        broken.close();
        QtSoundOutput output;
        QString error;
        QVERIFY(!output.play(dir.filePath(QStringLiteral("oto/poon.wav")), false, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!output.play(broken.fileName(), false, &error));
        QVERIFY(error.contains(QStringLiteral("WAVE")));
    }
    {
        // A missing file while a topic screen opens: the screen still opens.
        TestApp app;
        app.sound.missing = {QStringLiteral("poon.wav")};
        ScreenSet screens = createScreens(app.ctx, app.state.ExeDir);
        std::unique_ptr<TForm1> owner(screens.form1);
        screens.form1->show();
        Ui::click(screens.form1, "CuteButton3");
        QVERIFY(screens.topics.at(2)->isVisible());
        QVERIFY(app.dialogs.errors.size() <= 1);
    }
}

void ShellTest::helpOpensAtItsContentsPage() {
    TestApp app;
    QWidget parent;
    HelpWindow* window = HelpWindow::open(app.ctx, &parent);
    QVERIFY(window);
    QVERIFY(window->browser()->source().toLocalFile().endsWith(QStringLiteral("help/index.html")));
    const QString contents = window->browser()->toPlainText();
    for (const char* topic : {"はじめかた", "「べんきょう」と「テスト」", "答えの 入れ方", "ドリル",
                              "おわりかた", "おうちの方・先生へ"})
        QVERIFY2(contents.contains(QString::fromUtf8(topic)), topic);
    QVERIFY(app.dialogs.errors.isEmpty());

    QTemporaryDir empty;
    app.state.ExeDir = empty.path() + QLatin1Char('/');
    QVERIFY(!HelpWindow::open(app.ctx, &parent));
    QCOMPARE(app.dialogs.errors.size(), 1);
    QVERIFY(app.dialogs.errors.first().contains(QStringLiteral("index.html")));
}

void ShellTest::aboutBoxNamesProgramVersionAndSubject() {
    AboutBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("バージョン情報"));
    const QStringList lines = AboutBox::lines();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("Sorvelin"));
    QVERIFY(lines[1].contains(QStringLiteral(SORVELIN_VERSION)));
    QCOMPARE(lines[2], QStringLiteral("小学６年 算数"));
}

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
