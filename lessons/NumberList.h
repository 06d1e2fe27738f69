// Writing a list of whole numbers as text, as the multiples and divisors
// screens show the given numbers, the entries and the correct answers.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The numbers joined by `separator`: {1, 2, 4} and "、" give "1、2、4".
inline QString joinNumbers(const std::vector<int>& numbers, const QString& separator) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(separator);
}
