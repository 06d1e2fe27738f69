// The screen for estimating products and quotients: its texts first (for a
// teacher to read through), then its problems and the judging of entries.
#include "lessons/Estimates.h"

#include "core/Arithmetic.h"
#include "core/RandomSource.h"

// ---------------------------------------------------------------------------
// Every text of the screen.
// ---------------------------------------------------------------------------
namespace EstimatesText {

QString chapterTitle() {
    return QStringLiteral("計算の見積もり");
}
QString topicTitle() {
    return QStringLiteral("積・商の見積もり");
}
QString menuText() {
    return QStringLiteral("     メニュー");
}
QStringList menuItems() {
    return {QStringLiteral("積の見積もり"), QStringLiteral("商の見積もり")};
}
QString digitPlaceholder() {
    return QStringLiteral("数");
}
QString placePlaceholder() {
    return QStringLiteral("  位");
}
QStringList placeItems() {
    return {QStringLiteral("  一"), QStringLiteral("  十"), QStringLiteral("  百"),
            QStringLiteral("  千"), QStringLiteral("  万"), QStringLiteral("十万"),
            QStringLiteral("百万")};
}

QString explanation(int choice) {
    switch (choice) {
    case 1:
        return QStringLiteral("複雑なかけ算の積の見積もり方は、教科書によって\n"
                              "ちがうこともあるが、ここでは次のようにする。\n"
                              "①　かけられる数と かける数を、それぞれ四捨五入して\n"
                              "　　上から１けたのがい数にする。\n"
                              "②　がい数どうしを かけて、その積も 上から１けたの\n"
                              "　　がい数にする。\n"
                              "\n"
                              "（れい）234 x 567 の積を見積もる。\n"
                              "　234 → 200、567 → 600 として、\n"
                              "　200 x 600 = 120000 ≒ 100000　　答え　100000\n"
                              "※ がい数は「数」と「位」で選ぶ。100000 なら「１」と「十万」。");
    case 2:
        return QStringLiteral("複雑なわり算の商の見積もり方は、教科書によって\n"
                              "ちがうこともあるが、ここでは次のようにする。\n"
                              "①　わられる数と わる数を、それぞれ四捨五入して\n"
                              "　　上から１けたのがい数にする。\n"
                              "②　がい数どうしで わり算をして、その商も\n"
                              "　　上から１けたのがい数にする。\n"
                              "\n"
                              "（れい）7856 ÷ 54 の商を見積もる。\n"
                              "　7856 → 8000、54 → 50 として、\n"
                              "　8000 ÷ 50 = 160 ≒ 200　　答え　200\n"
                              "※ 商が 7.5 のように小数になったら、四捨五入して 8 にする。");
    default:
        return {};
    }
}

namespace {
QString productStatement() {
    return QStringLiteral("次のかけ算の積を見積もる。\n\n　");
}
QString quotientStatement() {
    return QStringLiteral("次のわり算の商を見積もる。\n\n　");
}
QString times() {
    return QStringLiteral(" x ");
}
QString divided() {
    return QStringLiteral(" ÷ ");
}
QString equals() {
    return QStringLiteral(" = ");
}
QString nearly() {
    return QStringLiteral(" ≒ ");
}
// The prompts for the first, second and third entry of a product, then of a quotient.
const char* const ProductPrompts[] = {
    "かけられる数のがい数を「数」と「位」で選んで、\n◆をクリックしてね！",
    "かける数のがい数を選んで、◆をクリックしてね！", "答えのがい数を選んで、◆をクリックしてね！"};
const char* const QuotientPrompts[] = {
    "わられる数のがい数を「数」と「位」で選んで、\n◆をクリックしてね！",
    "わる数のがい数を選んで、◆をクリックしてね！", "答えのがい数を選んで、◆をクリックしてね！"};
QString enteredHead() {
    return QStringLiteral("　入力： ");
}
QString correctHead() {
    return QStringLiteral("　正しい答え： ");
}
} // namespace

QString entryPrompt(int choice, int index) {
    return QString::fromUtf8(choice == 1 ? ProductPrompts[index] : QuotientPrompts[index]);
}
} // namespace EstimatesText

// ---------------------------------------------------------------------------
// Problems and judging.
// ---------------------------------------------------------------------------
long long roundTo(long long x, long long unit) {
    return (x + unit / 2) / unit * unit;
}

namespace {

// Numbers whose first digit is 1 … 8, middle digits 0 … 8 and last digit 1 … 8.
int drawNumber(RandomSource& random, int digits) {
    int n = random.between(1, 8);
    for (int i = 2; i < digits; ++i)
        n = n * 10 + random.between(0, 8);
    return n * 10 + random.between(1, 8);
}

// Rounds `value` to `unit` when it exceeds `limit`; tells whether that changed it.
long long roundAbove(long long value, long long limit, long long unit, bool* changed) {
    const long long rounded = value > limit ? roundTo(value, unit) : value;
    *changed = rounded != value;
    return rounded;
}

} // namespace

QString EstimateProblem::operatorText() const {
    return choice == 1 ? EstimatesText::times() : EstimatesText::divided();
}

QString EstimateProblem::statement() const {
    return (choice == 1 ? EstimatesText::productStatement() : EstimatesText::quotientStatement()) +
           firstText + operatorText() + secondText;
}

QString EstimateProblem::correctAnswer() const {
    return EstimatesText::correctHead() + QString::number(roundedFirst) + operatorText() +
           QString::number(roundedSecond) +
           (estimateRounded ? EstimatesText::nearly() : EstimatesText::equals()) +
           QString::number(estimate);
}

EstimateProblem estimateProduct(int shape, int a, int b) {
    EstimateProblem p;
    p.choice = 1;
    p.shape = shape;
    p.first = a;
    p.second = b;
    p.secondText = QString::number(b);
    long long product = 0;
    if (shape <= 3) {
        p.firstText = QString::number(a);
        p.roundedFirst = static_cast<int>(roundTo(a, 100));
        p.roundedSecond = static_cast<int>(roundTo(b, 100));
        product =
            roundAbove(1LL * p.roundedFirst * p.roundedSecond, 100000, 100000, &p.estimateRounded);
    } else if (shape <= 7) {
        p.firstText = QString::number(a);
        p.roundedFirst = static_cast<int>(roundTo(a, 100));
        p.roundedSecond = static_cast<int>(roundTo(b, 1000));
        product = roundAbove(1LL * p.roundedFirst * p.roundedSecond, 1000000, 1000000,
                             &p.estimateRounded);
    } else {
        p.firstText = FormatDecimal(a / 100.0, 2);
        p.roundedFirst = (a + 50) / 100;
        p.roundedSecond = static_cast<int>(roundTo(b, 10));
        product = roundAbove(1LL * p.roundedFirst * p.roundedSecond, 100, 100, &p.estimateRounded);
    }
    p.estimate = static_cast<int>(product);
    return p;
}

EstimateProblem estimateQuotient(int shape, int a, int b) {
    EstimateProblem p;
    p.choice = 2;
    p.shape = shape;
    p.first = a;
    p.second = b;
    p.secondText = QString::number(b);
    long long dividend = 0; // for shape 8, ten times the rounded decimal
    if (shape <= 3) {
        p.firstText = QString::number(a);
        dividend = roundTo(a, 1000);
        p.roundedFirst = static_cast<int>(dividend);
        p.roundedSecond = static_cast<int>(roundTo(b, 10));
    } else if (shape <= 7) {
        p.firstText = QString::number(a);
        dividend = roundTo(a, 10000);
        p.roundedFirst = static_cast<int>(dividend);
        p.roundedSecond = static_cast<int>(roundTo(b, 100));
    } else {
        p.firstText = FormatDecimal(a / 10.0, 1);
        dividend = roundTo(a, 1000);
        p.roundedFirst = static_cast<int>(dividend / 10);
        p.roundedSecond = static_cast<int>(roundTo(b, 10));
    }
    long long q = p.roundedSecond > 0 ? dividend / p.roundedSecond : 0;
    const long long unit = q >= 100 ? 100 : 10;
    p.estimateRounded = q % unit > 0;
    q = roundTo(q, unit);
    if (shape == 8)
        q /= 10;
    p.estimate = static_cast<int>(q);
    return p;
}

EstimateProblem makeEstimateProblem(int choice, RandomSource& random) {
    random.reseed();
    const int shape = random.between(0, 8);
    if (choice == 1) {
        const int a = drawNumber(random, 3);
        const int b = drawNumber(random, shape <= 3 ? 3 : shape <= 7 ? 4 : 2);
        return estimateProduct(shape, a, b);
    }
    const int a = drawNumber(random, shape <= 3 ? 4 : shape <= 7 ? 5 : 4);
    const int b = drawNumber(random, shape <= 3 ? 2 : shape <= 7 ? 3 : 2);
    return estimateQuotient(shape, a, b);
}

int entryValue(int digit, int place) {
    int value = qMax(digit, 0);
    for (int i = 0; i < place; ++i)
        value *= 10;
    return value;
}

EntryOutcome EstimateAnswer::enter(int value) {
    if (problem_.choice == 0 || count_ >= 3)
        return EntryOutcome::ignore();
    entries_[count_++] = value;
    if (count_ < 3)
        return EntryOutcome::more(EstimatesText::entryPrompt(problem_.choice, count_));
    return EntryOutcome::judge(value == problem_.estimate);
}

QString EstimateAnswer::echo() const {
    if (count_ == 0)
        return {};
    QString text =
        EstimatesText::enteredHead() + QString::number(entries_[0]) + problem_.operatorText();
    if (count_ >= 2)
        text += QString::number(entries_[1]);
    if (count_ >= 3) {
        // In 64 bits, and a quotient by 0 (an untouched wheel) is never exact.
        const long long first = entries_[0], second = entries_[1], third = entries_[2];
        const bool exact =
            problem_.choice == 1 ? first * second == third : second != 0 && first / second == third;
        text +=
            (exact ? EstimatesText::equals() : EstimatesText::nearly()) + QString::number(third);
    }
    return text;
}
