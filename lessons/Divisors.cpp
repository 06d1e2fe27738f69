// The screen for divisors and common divisors: its texts first (for a
// teacher to read through), then its problems and the judging of entries.
#include "lessons/Divisors.h"

#include "core/RandomSource.h"
#include "lessons/NumberList.h"

// ---------------------------------------------------------------------------
// Every text of the screen.
// ---------------------------------------------------------------------------
namespace DivisorsText {

QString chapterTitle() {
    return QStringLiteral("倍数と約数");
}
QString topicTitle() {
    return QStringLiteral("約数と公約数");
}
QString menuText() {
    return QStringLiteral("     メニュー");
}
QStringList menuItems() {
    return {QStringLiteral("約数の求め方"), QStringLiteral("公約数の求め方")};
}
QStringList submitItems() {
    return {QStringLiteral("◆"), QStringLiteral("■")};
}

QString explanation(int choice) {
    switch (choice) {
    case 1:
        return QStringLiteral("ある整数を わりきることができる整数を その数の\n"
                              "「約数」という。\n"
                              "\n"
                              "（れい）6 の約数を求める。\n"
                              "　6 ÷ 1 = 6 、 6 ÷ 2 = 3 、 6 ÷ 3 = 2 、 6 ÷ 6 = 1\n"
                              "　のように わりきれるので、6 の約数は 1、2、3、6 になる。\n"
                              "　6 ÷ 4、6 ÷ 5 は わりきれないので、4 と 5 は約数ではない。\n"
                              "\n"
                              "1 と、その数自身も 約数に入れる。\n"
                              "1 から順に わりきれるかどうかを調べていくと、\n"
                              "約数を 見落とさずに求められる。");
    case 2:
        return QStringLiteral("いくつかの整数に共通な約数を「公約数」という。\n"
                              "\n"
                              "（れい）8 と 12 の公約数を求める。\n"
                              "　8 の約数：　1、2、4、8\n"
                              "　12 の約数： 1、2、3、4、6、12\n"
                              "　どちらにも入っている 1、2、4 が 8 と 12 の公約数になる。\n"
                              "\n"
                              "小さい方の数の約数だけを書き出して、その中から\n"
                              "もう一方の数をわりきれるものを さがしてもよい。\n"
                              "　8 の約数 1、2、4、8 のうち、12 をわりきれるのは 1、2、4\n"
                              "\n"
                              "公約数のうち いちばん大きい数を「最大公約数」という。\n"
                              "　8 と 12 の最大公約数は 4 である。\n"
                              "公約数は 最大公約数の約数になっている。（4 の約数 1、2、4）\n"
                              "\n"
                              "３つの数の公約数も 同じようにして求められる。\n"
                              "　（れい）8、12、20 の公約数は 1、2、4\n"
                              "1 は どの整数の約数にもなるので、公約数には いつも 1 が入る。");
    default:
        return {};
    }
}

namespace {
QString divisorsStatement() {
    return QStringLiteral("次の数の約数を 小さいものから順にぜんぶ求める。\n\n　");
}
QString commonStatement() {
    return QStringLiteral("次の数の公約数を 小さいものから順にぜんぶ求める。\n\n　(");
}
QString firstDivisorPrompt() {
    return QStringLiteral("１つ目の約数を選んで、◆をクリックしてね！");
}
QString firstCommonPrompt() {
    return QStringLiteral("１つ目の公約数を選んで、◆をクリックしてね！");
}
// The prompts for the second and later numbers, after their number.
QString nextDivisorPrompt() {
    return QStringLiteral(
        " つ目の約数を選んで、◆をクリックしてね！ \nさいごの約数の時は ■を押してね！");
}
QString nextCommonPrompt() {
    return QStringLiteral("つ目の公約数を選んで、◆をクリックしてね！");
}
QString enteredHead() {
    return QStringLiteral("　入力： ");
}
QString correctHead() {
    return QStringLiteral("　正しい答え： ");
}
QString listSeparator() {
    return QStringLiteral("、");
}
} // namespace
} // namespace DivisorsText

// ---------------------------------------------------------------------------
// Problems and judging.
// ---------------------------------------------------------------------------
QString DivisorsProblem::statement() const {
    if (choice == 1)
        return DivisorsText::divisorsStatement() + QString::number(given.at(0));
    return DivisorsText::commonStatement() + joinNumbers(given, QStringLiteral("　, ")) +
           QStringLiteral(" )");
}

QString DivisorsProblem::entryPrompt(int number) const {
    if (number <= 1)
        return choice == 1 ? DivisorsText::firstDivisorPrompt() : DivisorsText::firstCommonPrompt();
    return QString::number(number) +
           (choice == 1 ? DivisorsText::nextDivisorPrompt() : DivisorsText::nextCommonPrompt());
}

QString DivisorsProblem::correctAnswer() const {
    return DivisorsText::correctHead() + joinNumbers(expected, DivisorsText::listSeparator());
}

DivisorsProblem divisorsOf(int n) {
    DivisorsProblem problem{1, {n}, {}};
    for (int j = 1; j <= 24; ++j)
        if (n % j == 0)
            problem.expected.push_back(j);
    return problem;
}

DivisorsProblem commonDivisorsOf(const std::vector<int>& numbers) {
    DivisorsProblem problem{2, numbers, {}};
    for (int i = 1; i <= numbers.at(0) && i <= 24; ++i) {
        bool common = true;
        for (int n : numbers)
            common = common && n % i == 0;
        if (common)
            problem.expected.push_back(i);
    }
    return problem;
}

DivisorsProblem makeDivisorsProblem(int choice, RandomSource& random) {
    random.reseed();
    if (choice == 1)
        return divisorsOf(random.between(6, 23));
    const bool three = random.between(0, 8) > 7;
    const bool even = random.between(0, 8) <= 6;
    std::vector<int> n;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (even)
            n = {2 * (random.below(9) + 3), 2 * (random.below(12) + 6)};
        else
            n = {3 * (random.below(6) + 2), 3 * (random.below(12) + 5)};
        if (three)
            n.push_back(2 * (random.below(12) + 6));
        if (n[0] < n[1] && (!three || n[1] < n[2]))
            break;
    }
    return commonDivisorsOf(n);
}

EntryOutcome DivisorsAnswer::enter(int number, bool last) {
    if (problem_.choice == 0)
        return EntryOutcome::ignore();
    ++count_;
    if (count_ <= Places)
        entered_[count_ - 1] = number;
    else
        tooLong_ = true;
    if (count_ == 1)
        echo_ = DivisorsText::enteredHead() + QString::number(number);
    else
        echo_ += DivisorsText::listSeparator() + QString::number(number);
    if (!last)
        return EntryOutcome::more(problem_.entryPrompt(count_ + 1));
    std::array<int, Places> expected{};
    for (std::size_t i = 0; i < problem_.expected.size() && i < expected.size(); ++i)
        expected[i] = problem_.expected[i];
    return EntryOutcome::judge(!tooLong_ && entered_ == expected);
}

QString DivisorsAnswer::echo() const {
    return echo_;
}
