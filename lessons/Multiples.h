// What the screen for multiples and common multiples computes: its
// problems, the numbers the child enters and their verdict, and every text
// the child reads there. No widgets.
#pragma once

#include "lessons/LessonOutcome.h"

#include <QString>
#include <QStringList>
#include <vector>

class RandomSource;

namespace MultiplesText {
QString chapterTitle();
QString topicTitle();
QString menuText();
QStringList menuItems();
// The explanation of sub-topic `choice` (1 or 2).
QString explanation(int choice);
} // namespace MultiplesText

struct MultiplesProblem {
    int choice = 0;            // 1: three multiples of one number; 2: two common multiples
    std::vector<int> given;    // the number, or the two or three numbers
    std::vector<int> expected; // the numbers to enter, smallest first

    // The expected numbers packed two decimal digits apart (7, 14, 21 → 71421).
    int correctValue() const;
    QString statement() const;
    // What the child enters next when `entered` numbers are in.
    QString entryPrompt(int entered) const;
    // "　正しい答え： 7 、14 、21"
    QString correctAnswer() const;
};

// The first three multiples of n.
MultiplesProblem multiplesOf(int n);
// The two smallest common multiples of the given numbers, found among the
// multiples of the first one.
MultiplesProblem commonMultiplesOf(const std::vector<int>& numbers);
// A random problem of sub-topic `choice`: multiples of a number 2 … 24, or
// common multiples of two numbers 3 … 8 (of three, one time in nine) whose
// second common multiple is below 100.
MultiplesProblem makeMultiplesProblem(int choice, RandomSource& random);

// The numbers the child has entered for one problem.
class MultiplesAnswer {
public:
    explicit MultiplesAnswer(const MultiplesProblem& problem = {}) : problem_(problem) {}

    // Takes the next number: asks for the next one, or judges after the last.
    // Numbers entered after the verdict are ignored.
    EntryOutcome enter(int number);
    // "　入力： 7 、14 、21"
    QString echo() const;
    // The entries packed two decimal digits apart, as CorrectValue.
    int packed() const;

private:
    MultiplesProblem problem_;
    std::vector<int> entries_;
};
