// Fakes of the outside world for tests.
#include "support/Fakes.h"

#include "core/SimpleCombo.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QWidget>

int ScriptedRandom::below(int n) {
    if (script.empty())
        return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(fallback);
    const int value = script.front();
    script.pop_front();
    if (value < 0 || (n > 0 && value >= n)) {
        outOfRange << QStringLiteral("%1 of %2").arg(value).arg(n);
        return 0;
    }
    return value;
}

void ScriptedRandom::push(std::initializer_list<int> values) {
    script.insert(script.end(), values.begin(), values.end());
}

bool FakeSound::play(const QString& path, bool audible, QString* error) {
    if (missing.contains(QFileInfo(path).fileName())) {
        if (error)
            *error = QStringLiteral("ファイルが見つかりません。");
        return false;
    }
    plays.append({path, audible});
    return true;
}

bool FakeDialogs::confirm(const QString& text) {
    questions << text;
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

TestApp::TestApp()
    : cues(state, sound, dialogs),
      ctx{state, random, cues, dialogs, clock, nullptr, [this] { ++quitRequests; }} {
    state.ExeDir = QStringLiteral(SORVELIN_BUILD_DIR) + QLatin1Char('/');
    state.SoundOn = 1;
}

namespace {
int cueNumberOf(const QString& path) {
    for (int n = 1; n <= 20; ++n)
        if (path.endsWith(QLatin1Char('/') + SoundCues::cueFile(n)))
            return n;
    return 0;
}
} // namespace

QList<int> TestApp::cueLog() const {
    QList<int> log;
    for (const auto& p : sound.plays)
        log << cueNumberOf(p.path);
    return log;
}

QList<int> TestApp::audibleCues() const {
    QList<int> log;
    for (const auto& p : sound.plays)
        if (p.audible)
            log << cueNumberOf(p.path);
    return log;
}

namespace Ui {

QWidget* find(QWidget* root, const QString& name) {
    if (root->objectName() == name)
        return root;
    return root->findChild<QWidget*>(name);
}

void click(QWidget* root, const QString& name) {
    auto* button = qobject_cast<QAbstractButton*>(find(root, name));
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + name));
    QVERIFY2(button->isVisible(), qPrintable(name + QStringLiteral(" is hidden")));
    QVERIFY2(button->isEnabled(), qPrintable(name + QStringLiteral(" is disabled")));
    QTest::mouseClick(button, Qt::LeftButton);
}

void choose(QWidget* root, const QString& name, int index) {
    auto* combo = qobject_cast<SimpleCombo*>(find(root, name));
    QVERIFY2(combo, qPrintable(QStringLiteral("no list box ") + name));
    QVERIFY2(combo->isVisible(), qPrintable(name + QStringLiteral(" is hidden")));
    combo->choose(index);
}

QString text(QWidget* root, const QString& name) {
    QWidget* w = find(root, name);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* combo = qobject_cast<SimpleCombo*>(w))
        return combo->text();
    return QStringLiteral("<no text control %1>").arg(name);
}

bool visible(QWidget* root, const QString& name) {
    QWidget* w = find(root, name);
    return w && w->isVisible();
}

bool enabled(QWidget* root, const QString& name) {
    QWidget* w = find(root, name);
    return w && w->isEnabled();
}

} // namespace Ui
