// What the screen for divisors and common divisors computes: its problems,
// the list of numbers the child enters and its verdict, and every text the
// child reads there. No widgets.
#pragma once

#include "lessons/LessonOutcome.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class RandomSource;

namespace DivisorsText {
QString chapterTitle();
QString topicTitle();
QString menuText();
QStringList menuItems();
// The items of the submit box: "◆" (more to come) and "■" (the last number).
QStringList submitItems();
QString explanation(int choice);
} // namespace DivisorsText

struct DivisorsProblem {
    int choice = 0;            // 1: divisors of one number; 2: common divisors
    std::vector<int> given;    // the number, or the two or three numbers
    std::vector<int> expected; // all (common) divisors, smallest first

    QString statement() const;
    // What the child enters as number `number` (1, 2, …).
    QString entryPrompt(int number) const;
    // "　正しい答え： 1、2、3、6"
    QString correctAnswer() const;
};

// All divisors of n up to 24.
DivisorsProblem divisorsOf(int n);
// The common divisors of the given numbers, up to the first number and 24.
DivisorsProblem commonDivisorsOf(const std::vector<int>& numbers);
// A random problem of sub-topic `choice`: the divisors of a number 6 … 23,
// or the common divisors of two (one time in nine three) numbers that are
// all even, or (two times in nine) whose first two are multiples of 3.
DivisorsProblem makeDivisorsProblem(int choice, RandomSource& random);

// The numbers the child has entered for one problem: up to ten places,
// compared place by place with the expected list.
class DivisorsAnswer {
public:
    static constexpr int Places = 10;

    explicit DivisorsAnswer(const DivisorsProblem& problem = {}) : problem_(problem) {}

    // Takes a number; `last` when the child chose "■". A number beyond the
    // tenth has no place in the list: it is echoed, and the answer can no
    // longer be right. Entries after a verdict go on with the same list.
    EntryOutcome enter(int number, bool last);
    // "　入力： 1、2、3"
    QString echo() const;
    bool tooLong() const { return tooLong_; }

private:
    DivisorsProblem problem_;
    std::array<int, Places> entered_{};
    int count_ = 0;
    bool tooLong_ = false;
    QString echo_;
};
