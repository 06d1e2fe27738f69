// Answer wheels, the submit box, the answer encoding and fraction bars.
#include "core/AnswerWheels.h"

#include "core/PracticeState.h"
#include "core/SimpleCombo.h"
#include "core/Style.h"
#include "core/TopicScreen.h"

#include <QFrame>

AnswerWheels::AnswerWheels(TopicScreen* screen, const std::vector<WheelSpec>& wheels,
                           int submitCombo, const QStringList& submitItems, const QPoint& topLeft,
                           int wheelWidth)
    : QObject(screen), screen_(screen), specs_(wheels) {
    const QFont font = Style::rounded(19);
    int x = topLeft.x();
    for (const WheelSpec& spec : specs_) {
        x += spec.gapBefore;
        auto* wheel = new SimpleCombo(screen, QStringLiteral("ComboBox%1").arg(spec.combo),
                                      SimpleCombo::digitItems(), spec.placeholder, spec.colour,
                                      font, QPoint(x, topLeft.y()), wheelWidth);
        wheel->hide();
        const int reg = spec.reg;
        connect(wheel, &SimpleCombo::changed, this, [this, reg](int index) {
            if (reg >= 0)
                screen_->state().DigitInput[reg] = index;
            screen_->context().PlaySoundCue(17);
        });
        wheels_.push_back(wheel);
        x += wheelWidth + 2;
    }
    submit_ =
        new SimpleCombo(screen, QStringLiteral("ComboBox%1").arg(submitCombo), submitItems,
                        QString(), Style::White, font, QPoint(x + 6, topLeft.y()), wheelWidth + 4);
    submit_->hide();
    connect(submit_, &SimpleCombo::changed, this, &AnswerWheels::submitted);
}

std::vector<WheelSpec> AnswerWheels::wholeNumberLayout() {
    return {{4, 2, QStringLiteral("百"), Style::White},
            {3, 3, QStringLiteral("十"), Style::White},
            {2, 4, QStringLiteral("一"), Style::White}};
}

std::vector<WheelSpec> AnswerWheels::fractionLayout(bool withWhole, int numeratorOnes) {
    const int n = numeratorOnes;
    std::vector<WheelSpec> layout;
    if (withWhole)
        layout.push_back({7, 0, QStringLiteral("整"), Style::WholeWheel});
    layout.push_back({n + 3, 1, QStringLiteral("分"), Style::DenWheel, withWhole ? 8 : 0});
    layout.push_back({n + 2, 2, QStringLiteral("母"), Style::DenWheel});
    layout.push_back({n + 1, 3, QStringLiteral("分"), Style::WholeWheel, 8});
    layout.push_back({n, 4, QStringLiteral("子"), Style::WholeWheel});
    return layout;
}

void AnswerWheels::arm() {
    for (SimpleCombo* wheel : wheels_) {
        wheel->show();
        wheel->arm();
    }
    submit_->show();
    submit_->arm();
    for (const WheelSpec& spec : specs_)
        if (spec.reg >= 0)
            screen_->state().DigitInput[spec.reg] = 0;
}

void AnswerWheels::hide() {
    for (SimpleCombo* wheel : wheels_)
        wheel->hide();
    submit_->hide();
}

bool AnswerWheels::isArmed() const {
    return submit_->isVisibleTo(screen_);
}

int AnswerWheels::compose() const {
    int value = 0;
    for (const WheelSpec& spec : specs_)
        if (spec.reg >= 0)
            value += screen_->state().DigitInput[spec.reg] * PracticeState::PlaceWeight[spec.reg];
    return value;
}

SimpleCombo* AnswerWheels::wheel(int combo) const {
    for (std::size_t i = 0; i < specs_.size(); ++i)
        if (specs_[i].combo == combo)
            return wheels_[i];
    return nullptr;
}

QFrame* makeBar(QWidget* parent, int number, const QRect& geometry, const QColor& colour) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("Shape%1").arg(number));
    bar->setFrameShape(QFrame::NoFrame);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    bar->setGeometry(geometry);
    bar->hide();
    return bar;
}
