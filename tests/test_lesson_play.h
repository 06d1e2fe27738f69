// Helpers for the lesson screen tests: open a screen, set its menu and mode,
// and enter numbers on the wheels the way a child turns them.
#pragma once

#include "support/Fakes.h"

#include <QList>
#include <QString>
#include <QTest>

namespace LessonPlay {

// Turns the wheels named in `wheels` (left to right) to the digits of
// `number`, one digit per wheel, leaving the leading wheels that would show
// 0 untouched as a child does. Returns how many wheels were turned.
inline int turnWheels(QWidget* screen, const QList<int>& wheels, int number) {
    int turned = 0;
    bool leading = true;
    for (int i = 0; i < wheels.size(); ++i) {
        int weight = 1;
        for (int k = i + 1; k < wheels.size(); ++k)
            weight *= 10;
        const int digit = number / weight % 10;
        if (leading && digit == 0 && i + 1 < wheels.size())
            continue;
        leading = false;
        Ui::choose(screen, QStringLiteral("ComboBox%1").arg(wheels[i]), digit);
        ++turned;
    }
    return turned;
}

// Chooses item `item` of the submit box ComboBox`submit`.
inline void submit(QWidget* screen, int submit, int item = 0) {
    Ui::choose(screen, QStringLiteral("ComboBox%1").arg(submit), item);
}

// The first line of a label's text.
inline QString firstLine(QWidget* screen, const QString& label) {
    return Ui::text(screen, label).section(QLatin1Char('\n'), 0, 0);
}

} // namespace LessonPlay
