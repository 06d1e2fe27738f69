// Answers, verdicts, answer texts, time limits, score and result lines of the drills.
#include "drills/DrillLogic.h"

QString FormatMixedNumber(int whole, int den, int num) {
    const bool hasFraction = den != 0 || num != 0;
    const QString fraction = QString::number(num) + QLatin1Char('/') + QString::number(den);
    if (whole > 0)
        return hasFraction ? QString::number(whole) + QStringLiteral("・") + fraction
                           : QString::number(whole);
    return hasFraction ? fraction : QStringLiteral("0");
}

QStringList DrillTimeItems() {
    return {QStringLiteral("　　なし"), QStringLiteral("　５ふん"), QStringLiteral("１０ぷん"),
            QStringLiteral("１５ふん")};
}

int DrillTimeLimit(int timeItem) {
    return timeItem >= 1 && timeItem <= 3 ? timeItem * 300 : 0;
}

int DrillScore(int correct, int problems) {
    return problems > 0 ? correct * 100 / problems : 0;
}

QStringList DrillResultLines(int problems, int correct, qint64 elapsedSeconds) {
    const qint64 seconds = qMax<qint64>(0, elapsedSeconds);
    return {QStringLiteral("問　題： ") + QString::number(problems),
            QStringLiteral("○の数： ") + QString::number(correct),
            QStringLiteral("点　数： ") + QString::number(DrillScore(correct, problems)) +
                QStringLiteral(" 点"),
            QStringLiteral("時　間： ") + QString::number(seconds / 60) + QStringLiteral(" 分 ") +
                QString::number(seconds % 60) + QStringLiteral(" 秒")};
}
