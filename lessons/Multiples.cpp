// The screen for multiples and common multiples: its texts first (for a
// teacher to read through), then its problems and the judging of entries.
#include "lessons/Multiples.h"

#include "core/RandomSource.h"
#include "lessons/NumberList.h"

// ---------------------------------------------------------------------------
// Every text of the screen.
// ---------------------------------------------------------------------------
namespace MultiplesText {

QString chapterTitle() {
    return QStringLiteral("倍数と約数");
}
QString topicTitle() {
    return QStringLiteral("倍数と公倍数");
}
QString menuText() {
    return QStringLiteral("     メニュー");
}
QStringList menuItems() {
    return {QStringLiteral("倍数の求め方"), QStringLiteral("公倍数の求め方")};
}

QString explanation(int choice) {
    switch (choice) {
    case 1:
        return QStringLiteral("ある数を 1 倍、2 倍、3 倍、‥ のように何倍かした数を、\n"
                              "その数の「倍数」という。\n"
                              "\n"
                              "（れい）4 の倍数を 小さいものから順に３つ求める。\n"
                              "　　4 × 1 = 4 、 4 × 2 = 8 、 4 × 3 = 12\n"
                              "　　だから、4 の倍数は 小さい順に 4、8、12、‥ となる。");
    case 2:
        return QStringLiteral("いくつかの整数に共通な倍数のことを「公倍数」という。\n"
                              "\n"
                              "（れい）3 と 4 の公倍数を求める。\n"
                              "　3 の倍数： 3、6、9、12、15、18、21、24、27、‥\n"
                              "　4 の倍数： 4、8、12、16、20、24、28、‥\n"
                              "　どちらにも出てくる 12、24、‥ が 3 と 4 の公倍数になる。\n"
                              "\n"
                              "大きい方の数の倍数だけを書き出して、その中から\n"
                              "もう一方の数でわりきれるものを さがしてもよい。\n"
                              "　4 の倍数： 4、8、12、16、20、24、‥\n"
                              "　このうち 3 でわりきれるのは 12、24、‥\n"
                              "\n"
                              "公倍数のうち いちばん小さい数を「最小公倍数」という。\n"
                              "　3 と 4 の最小公倍数は 12 である。\n"
                              "公倍数は 最小公倍数の倍数になっている。（12、24、36、‥）\n"
                              "\n"
                              "３つの数の公倍数も 同じようにして求められる。\n"
                              "　（れい）3、4、6 の公倍数は 12、24、‥");
    default:
        return {};
    }
}

namespace {
QString multiplesStatement() {
    return QStringLiteral("次の数の倍数を 小さいものから順に３つ求める。\n\n　");
}
QString commonStatement() {
    return QStringLiteral("次の数の公倍数を 小さいものから順に２つ求める。\n\n　(");
}
// The prompts for the first, second and third multiple.
const char* const MultiplePrompts[] = {"１つ目の倍数を選んで、◆をクリックしてね！",
                                       "２つ目の倍数を選んで、◆をクリックしてね！",
                                       "３つ目の倍数を選んで、◆をクリックしてね！"};
const char* const CommonPrompts[] = {"１つ目の公倍数を選んで、◆をクリックしてね！",
                                     "２つ目の公倍数を選んで、◆をクリックしてね！"};
QString enteredHead() {
    return QStringLiteral("　入力： ");
}
QString correctHead() {
    return QStringLiteral("　正しい答え： ");
}
QString listSeparator() {
    return QStringLiteral(" 、");
}
} // namespace
} // namespace MultiplesText

// ---------------------------------------------------------------------------
// Problems and judging.
// ---------------------------------------------------------------------------
namespace {

// Draws the two or three numbers of a common-multiples problem: increasing
// when a fitting draw comes within the bound, else the last draw.
std::vector<int> drawCommonNumbers(bool three, RandomSource& random) {
    std::vector<int> n;
    const int draws = three ? 1000 : 100;
    for (int draw = 0; draw < draws; ++draw) {
        const int a = random.between(3, 8);
        const int b = random.between(3, 8);
        if (!three) {
            n = {a, b};
            if (a < b)
                break;
        } else {
            const int c = random.between(3, 19);
            n = {a, b, c};
            if (a < b && b < c)
                break;
        }
    }
    return n;
}

} // namespace

int MultiplesProblem::correctValue() const {
    int value = 0;
    for (int n : expected)
        value = value * 100 + n;
    return value;
}

QString MultiplesProblem::statement() const {
    if (choice == 1)
        return MultiplesText::multiplesStatement() + QString::number(given.at(0));
    return MultiplesText::commonStatement() + joinNumbers(given, QStringLiteral("　, ")) +
           QStringLiteral(" )");
}

QString MultiplesProblem::entryPrompt(int entered) const {
    if (choice == 1)
        return QString::fromUtf8(MultiplesText::MultiplePrompts[qBound(0, entered, 2)]);
    return QString::fromUtf8(MultiplesText::CommonPrompts[qBound(0, entered, 1)]);
}

QString MultiplesProblem::correctAnswer() const {
    return MultiplesText::correctHead() + joinNumbers(expected, MultiplesText::listSeparator());
}

MultiplesProblem multiplesOf(int n) {
    return {1, {n}, {n, 2 * n, 3 * n}};
}

MultiplesProblem commonMultiplesOf(const std::vector<int>& numbers) {
    MultiplesProblem problem{2, numbers, {}};
    const int limit = numbers.size() > 2 ? 1000 : 100;
    for (int j = 1; j <= limit && problem.expected.size() < 2; ++j) {
        const int m = numbers[0] * j;
        bool common = true;
        for (std::size_t k = 1; k < numbers.size(); ++k)
            common = common && m % numbers[k] == 0;
        if (common)
            problem.expected.push_back(m);
    }
    return problem;
}

MultiplesProblem makeMultiplesProblem(int choice, RandomSource& random) {
    random.reseed();
    if (choice == 1)
        return multiplesOf(random.between(2, 24));
    const bool three = random.between(0, 8) > 7;
    for (int attempt = 0; attempt < 100; ++attempt) {
        MultiplesProblem problem = commonMultiplesOf(drawCommonNumbers(three, random));
        if (problem.expected.size() == 2 && problem.expected[1] < 100)
            return problem;
    }
    // Every attempt had a second common multiple of 100 or more, which the
    // three wheels may not hold: pose a problem that fits instead.
    return commonMultiplesOf(three ? std::vector<int>{3, 4, 6} : std::vector<int>{4, 6});
}

EntryOutcome MultiplesAnswer::enter(int number) {
    const std::size_t needed = problem_.expected.size();
    if (needed == 0 || entries_.size() >= needed)
        return EntryOutcome::ignore();
    entries_.push_back(number);
    if (entries_.size() < needed)
        return EntryOutcome::more(problem_.entryPrompt(static_cast<int>(entries_.size())));
    // Each number against its own expected number: packing three-digit
    // entries two digits apart would let 7, 13, 121 pass for 7, 14, 21.
    return EntryOutcome::judge(entries_ == problem_.expected);
}

QString MultiplesAnswer::echo() const {
    if (entries_.empty())
        return {};
    return MultiplesText::enteredHead() + joinNumbers(entries_, MultiplesText::listSeparator());
}

int MultiplesAnswer::packed() const {
    int value = 0;
    for (int n : entries_)
        value = value * 100 + n;
    return value;
}
