// The numbered sound cues and their wave files.
#include "core/SoundCues.h"

#include "core/PracticeState.h"
#include "core/Seams.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

QString SoundCues::cueFile(int n) {
    static const char* const named[] = {"pipo",       "poon", "bubuu", "pinpon",  "sharan",
                                        "charararan", "bun",  "pipon", "chararan"};
    if (n >= 1 && n <= 10)
        return QStringLiteral("oto/%1.wav").arg(n);
    if (n >= 11 && n <= 19)
        return QStringLiteral("oto/%1.wav").arg(QLatin1String(named[n - 11]));
    if (n == 20)
        return QStringLiteral("oto/20.wav");
    return {};
}

SoundCues::SoundCues(PracticeState& state, SoundOutput& output, Dialogs& dialogs)
    : state_(state), output_(output), dialogs_(dialogs) {}

void SoundCues::PlaySoundCue(int n) {
    const QString file = cueFile(n);
    if (!file.isEmpty())
        current_ = state_.ExeDir + file;
    if (current_.isEmpty())
        return;
    QString error;
    if (output_.play(current_, state_.SoundOn == 1, &error))
        return;
    const QFileInfo info(current_);
    const QString message =
        QStringLiteral("音のファイル「%1」を 鳴らせませんでした。\n%2\n\nさがした場所：%3")
            .arg(info.fileName(), error, QDir::toNativeSeparators(info.absolutePath()));
    if (!failureShown_) {
        failureShown_ = true;
        dialogs_.error(message);
    } else {
        std::fprintf(stderr, "sorvelin: %s\n", qPrintable(message.simplified()));
    }
}
