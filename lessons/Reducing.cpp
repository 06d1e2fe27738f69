// The screen for reducing fractions and common denominators: its texts
// first (for a teacher to read through), then its problems and the judging
// of entries.
#include "lessons/Reducing.h"

#include "core/Arithmetic.h"
#include "core/RandomSource.h"

// ---------------------------------------------------------------------------
// Every text of the screen.
// ---------------------------------------------------------------------------
namespace ReducingText {

QString chapterTitle() {
    return QStringLiteral("分数の計算・１");
}
QString topicTitle() {
    return QStringLiteral("約分と通分");
}
QString menuText() {
    return QStringLiteral("    メニュー");
}
QStringList menuItems() {
    return {QStringLiteral("約分のしかた"), QStringLiteral("通分のしかた")};
}

QString explanation(int choice) {
    switch (choice) {
    case 1:
        return QStringLiteral("分数の分母と分子を同じ数でわっても分数の大きさは\n"
                              "変わらない。分母と分子を それらの公約数でわって、\n"
                              "小さい数の分数にすることを「約分」という。\n"
                              "ふつうは 最大公約数でわって、いちばん小さい数の\n"
                              "分数にする。");
    case 2:
        return QStringLiteral("いくつかの整数に共通な倍数のことを「公倍数」という。\n"
                              "分母のちがう分数を、大きさを変えないで 分母が同じ\n"
                              "分数になおすことを「通分」といい、通分では\n"
                              "分母どうしの公倍数を 新しい分母にする。\n"
                              "\n"
                              "たとえば、分母が 3 と 4 のとき、\n"
                              "　3 の倍数： 3、6、9、12、15、18、21、24、27、‥\n"
                              "　4 の倍数： 4、8、12、16、20、24、28、‥");
    default:
        return {};
    }
}

QString explanationMore(int choice) {
    switch (choice) {
    case 1:
        return QStringLiteral("上のれいでは、12 と 18 の最大公約数の 6 で分母と\n"
                              "分子をわっている。（12 ÷ 6 = 2 、 18 ÷ 6 = 3）\n"
                              "最大公約数は、小さい方の数 12 の約数を 大きい順に\n"
                              "12、6、4、‥ と調べて、18 をわりきれる数を\n"
                              "さがすと 早く見つかる。");
    case 2:
        return QStringLiteral("共通の倍数をさがすと、12 や 24 などで、\n"
                              "いちばん小さい 12 が 3 と 4 の「最小公倍数」である。\n"
                              "通分するときは、ふつう 分母の最小公倍数を\n"
                              "新しい分母にする。\n"
                              "（れい）3分の1 と 4分の3 を通分すると、\n"
                              "　3分の1 は 分母と分子に 4 をかけて 12分の4、\n"
                              "　4分の3 は 分母と分子に 3 をかけて 12分の9\n"
                              "になる。");
    default:
        return {};
    }
}

QString statement(int choice) {
    return choice == 1 ? QStringLiteral("次の分数を できるだけ小さい数に約分する。")
                       : QStringLiteral("次の分数を できるだけ小さい数に通分する。");
}

QString firstPrompt(int choice) {
    return choice == 1 ? QStringLiteral("答えは分母と分子を選んで、◆をクリックしてね！\n"
                                        "どちらも左の方が十の位だよ。")
                       : QStringLiteral("左の分数の通分けっかを選んで、◆をクリックしてね！\n"
                                        "どちらも左の方が十の位だよ。");
}

QString secondPrompt() {
    return QStringLiteral("右の分数の通分けっかを選んで、◆をクリックしてね！\n"
                          "どちらも左の方が十の位だよ。");
}

QString entered() {
    return QStringLiteral("入力：");
}
QString equals() {
    return QStringLiteral("=");
}
QString comma() {
    return QStringLiteral("、");
}
QString becomes() {
    return QStringLiteral("⇒");
}

} // namespace ReducingText

// ---------------------------------------------------------------------------
// Problems and judging.
// ---------------------------------------------------------------------------
int ReduceProblem::correctValue() const {
    if (choice == 1)
        return reducedDen * 100 + reducedNum;
    return convertedNum1 * 10000 + convertedNum2 * 100 + leastDen;
}

ReduceProblem reductionOf(int num, int den) {
    ReduceProblem p;
    p.choice = 1;
    p.num = num;
    p.den = den;
    const int g = Gcd3(num, den, 0);
    p.reducedNum = g > 0 ? num / g : num;
    p.reducedDen = g > 0 ? den / g : den;
    return p;
}

ReduceProblem commonDenominatorOf(int a, int b, int c, int d) {
    ReduceProblem p;
    p.choice = 2;
    p.a = a;
    p.b = b;
    p.c = c;
    p.d = d;
    p.leastDen = static_cast<int>(Lcm3(b, d, 0));
    if (b > 0 && d > 0) {
        p.convertedNum1 = p.leastDen / b * a;
        p.convertedNum2 = p.leastDen / d * c;
    }
    return p;
}

ReduceProblem makeReduceProblem(int choice, RandomSource& random) {
    random.reseed();
    if (choice == 1) {
        const int kind = random.between(0, 8) / 3 + 1;
        int num = 0, den = 0;
        for (int draw = 0; draw < 100; ++draw) {
            switch (kind) {
            case 1:
                num = 2 * random.below(28) + 4;
                den = 2 * (random.below(28) + 2);
                break;
            case 2:
                num = 3 * random.below(18) + 6;
                den = 3 * random.below(18) + 6;
                break;
            default:
                num = 4 * (random.below(13) + 2);
                den = 4 * (random.below(13) + 2);
                break;
            }
            if (den > num)
                break;
        }
        ReduceProblem p = reductionOf(num, den);
        p.kind = kind;
        return p;
    }
    for (int draw = 0; draw < 1000; ++draw) {
        const int a = random.between(1, 9);
        const int b = random.between(3, 20);
        const int c = random.between(1, 9);
        const int d = random.between(3, 20);
        if (b != d && a < b && c < d && Lcm3(b, d, 0) < 100)
            return commonDenominatorOf(a, b, c, d);
    }
    return commonDenominatorOf(4, 9, 5, 12);
}

EntryOutcome ReduceAnswer::enter(EnteredFraction fraction) {
    const int needed = problem_.choice == 1 ? 1 : problem_.choice == 2 ? 2 : 0;
    if (count_ >= needed)
        return EntryOutcome::ignore(); // the verdict stands until the next problem
    entries_[count_++] = fraction;
    if (count_ < needed)
        return EntryOutcome::more(ReducingText::secondPrompt());
    if (problem_.choice == 1)
        return EntryOutcome::judge(enteredValue() == problem_.correctValue());
    // Both converted fractions must have the least common denominator; the
    // encoding alone carries only the first one's.
    return EntryOutcome::judge(enteredValue() == problem_.correctValue() &&
                               entries_[1].den == problem_.leastDen);
}

int ReduceAnswer::enteredValue() const {
    if (count_ <= 1)
        return entries_[0].den * 100 + entries_[0].num;
    return entries_[0].num * 10000 + entries_[1].num * 100 + entries_[0].den;
}
