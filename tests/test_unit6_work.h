// Helpers for the tests of the screen for adding and subtracting fractions:
// forcing a problem through the random draws, and reading the work area as
// one line of text such as "1/2 + 3/4 = 2/4 + 3/4 | = 5/4 | = 1 1/4".
#pragma once

#include "lessons/AddSubFractions.h"
#include "support/Fakes.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace AddSubPlay {

// Operands as whole, denominator, numerator, two or three times.
using Operands = QList<int>;

// Queues the draws that make the generator pose `operands` of `kind` at
// its first attempt.
inline void force(ScriptedRandom& random, int kind, const Operands& operands) {
    if (kind >= 5)
        random.pushBetween(0, kind == 5 ? 0 : 6);
    if (kind == 2 || kind == 4 || kind >= 5)
        for (int i = 0; i < operands.size(); i += 3)
            random.pushBetween(kind >= 5 ? 0 : 1, operands[i]);
    for (int i = 0; i < operands.size(); i += 3) {
        random.pushBetween(1, operands[i + 2]);
        random.pushBetween(2, operands[i + 1]);
    }
}

// The work area row by row, joined by " | ". A slot reads "2", "3/4" or
// "2 3/4" (numerator first); a numerator or denominator written without its
// bar, or a bar without them, shows up as "[…]", so the test fails.
inline QString render(int operandCount, const std::function<QString(int)>& text,
                      const std::function<bool(int)>& bar) {
    QStringList rows;
    for (const auto& row : AddSubArea::rows(operandCount)) {
        QStringList items;
        for (const AddSubArea::Item& item : row) {
            if (!item.slot) {
                if (!text(item.number).isEmpty())
                    items << text(item.number);
                continue;
            }
            const QString whole = text(AddSubArea::wholeLabel(item.number));
            const QString den = text(AddSubArea::denLabel(item.number));
            const QString num = text(AddSubArea::numLabel(item.number));
            QStringList parts;
            if (!whole.isEmpty())
                parts << whole;
            if (bar(item.number) && !den.isEmpty() && !num.isEmpty())
                parts << num + QLatin1Char('/') + den;
            else if (bar(item.number) || !den.isEmpty() || !num.isEmpty())
                parts << QStringLiteral("[%1/%2 bar %3]").arg(num, den).arg(bar(item.number));
            if (!parts.isEmpty())
                items << parts.join(QLatin1Char(' '));
        }
        if (!items.isEmpty())
            rows << items.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral(" | "));
}

} // namespace AddSubPlay
