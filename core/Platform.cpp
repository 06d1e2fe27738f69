// Production sound output (Qt Multimedia), message boxes and system clock.
#include "core/Platform.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

QString checkWaveFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return QStringLiteral("ファイルが見つかりません。");
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("ファイルを開けません。");
    const QByteArray head = file.read(36);
    if (head.size() < 36 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE" ||
        head.mid(12, 4) != "fmt ")
        return QStringLiteral("WAVE 形式のファイルではありません。");
    return {};
}

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput() {
    qDeleteAll(effects_);
}

bool QtSoundOutput::play(const QString& path, bool audible, QString* error) {
    // Each file is checked once, on its first cue; wheel clicks then cost no file access.
    if (!effects_.contains(path)) {
        const QString problem = checkWaveFile(path);
        if (!problem.isEmpty()) {
            if (error)
                *error = problem;
            return false;
        }
        effects_.insert(path, nullptr);
    }
    if (!audible)
        return true;
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (current_ && current_ != effect)
        current_->stop();
    current_ = effect;
    effect->stop();
    effect->play();
    return true;
}

namespace {
QWidget* dialogParent() {
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}
} // namespace

bool QtDialogs::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::information(const QString& text) {
    QMessageBox::information(dialogParent(), QApplication::applicationName(), text);
}

void QtDialogs::error(const QString& text) {
    QMessageBox::warning(dialogParent(), QApplication::applicationName(), text);
}
