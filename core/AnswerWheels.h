// The answer wheels of a screen: a row of digit wheels, each writing the
// index of its chosen digit into one answer register (DigitInput[k], place
// weight 10000, 1000, 100, 10, 1), and the submit box at the right.
// Standard layouts: a whole number up to 999, and a mixed number
// (whole part, denominator tens and ones, numerator tens and ones).
#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class SimpleCombo;
class TopicScreen;

struct WheelSpec {
    int combo;           // ComboBox number
    int reg;             // DigitInput index 0 … 4 (−1: the screen reads the wheel itself)
    QString placeholder; // "整", "分", "母", "子", "百", "十", "一", …
    QColor colour;
    int gapBefore = 0; // extra pixels left of this wheel (between groups)
};

class AnswerWheels : public QObject {
    Q_OBJECT
public:
    // `submitCombo` is the ComboBox number of the submit box with its items
    // ("◆", or "◆" and "■"). Wheels are `wheelWidth` wide, left to right
    // from `topLeft`.
    AnswerWheels(TopicScreen* screen, const std::vector<WheelSpec>& wheels, int submitCombo,
                 const QStringList& submitItems, const QPoint& topLeft, int wheelWidth = 30);

    // Whole number up to 999: ComboBox4 "百", ComboBox3 "十", ComboBox2 "一" → DigitInput[2 … 4].
    static std::vector<WheelSpec> wholeNumberLayout();
    // Mixed number: ComboBox7 "整" → [0]; the denominator's "分", "母" → [1], [2];
    // the numerator's "分", "子" → [3], [4]. The numerator's ones wheel is
    // ComboBox`numeratorOnes` (2 on the lessons, 3 on the drills) and the
    // others count up from it. Without the whole part when `withWhole` is false.
    static std::vector<WheelSpec> fractionLayout(bool withWhole = true, int numeratorOnes = 2);

    // Shows every wheel and the submit box with nothing chosen, wheels
    // showing their placeholders, the submit box empty; registers := 0.
    void arm();
    // Hides the wheels and the submit box.
    void hide();
    bool isArmed() const;

    // Σ DigitInput[k] × weight[k] over the registers of this layout.
    int compose() const;

    SimpleCombo* wheel(int combo) const;
    SimpleCombo* submitBox() const { return submit_; }
    const std::vector<WheelSpec>& specs() const { return specs_; }

Q_SIGNALS:
    // The submit box's item `item` was chosen.
    void submitted(int item);

private:
    TopicScreen* screen_;
    std::vector<WheelSpec> specs_;
    std::vector<SimpleCombo*> wheels_;
    SimpleCombo* submit_;
};

// A fraction bar or other work-area shape ("Shape" + number), hidden at first.
class QFrame;
class QWidget;
QFrame* makeBar(QWidget* parent, int number, const QRect& geometry, const QColor& colour);
