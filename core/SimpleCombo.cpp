// The always-open list with an edit line: wheels, menu boxes, submit boxes.
#include "core/SimpleCombo.h"

#include "core/Style.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

SimpleCombo::SimpleCombo(QWidget* parent, const QString& name, const QStringList& items,
                         const QString& placeholder, const QColor& background, const QFont& font,
                         const QPoint& topLeft, int width, int visibleRows)
    : QWidget(parent), edit_(new QLineEdit(this)), list_(new QListWidget(this)),
      placeholder_(placeholder) {
    setObjectName(name);
    setAccessibleName(placeholder.trimmed().isEmpty() ? name : placeholder.trimmed());
    setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(list_);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Style::Navy);
    palette.setColor(QPalette::Highlight, Style::Navy);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // A list that takes no choices now reads greyed out.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(160, 160, 170));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(170, 170, 190));
    palette.setColor(QPalette::Disabled, QPalette::Base, background.lighter(103));
    edit_->setPalette(palette);
    list_->setPalette(palette);

    edit_->setReadOnly(true);
    edit_->setFocusPolicy(Qt::NoFocus);
    edit_->setAlignment(Qt::AlignCenter);
    edit_->setTextMargins(0, 0, 0, 0);
    edit_->setContentsMargins(0, 0, 0, 0);
    edit_->setText(placeholder);

    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    list_->setTextElideMode(Qt::ElideNone);
    connect(list_, &QListWidget::itemSelectionChanged, this, &SimpleCombo::onSelectionChanged);

    setItems(items);
    move(topLeft);
    setFixedWidth(width);
    fitHeight(visibleRows);
}

QStringList SimpleCombo::digitItems() {
    return {QStringLiteral("０"), QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３"),
            QStringLiteral("４"), QStringLiteral("５"), QStringLiteral("６"), QStringLiteral("７"),
            QStringLiteral("８"), QStringLiteral("９")};
}

int SimpleCombo::count() const {
    return list_->count();
}

QString SimpleCombo::itemText(int index) const {
    auto* item = list_->item(index);
    return item ? item->text() : QString();
}

void SimpleCombo::setItems(const QStringList& items) {
    silent_ = true;
    list_->clear();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list_);
        if (text.size() <= 2)
            item->setTextAlignment(Qt::AlignCenter);
    }
    silent_ = false;
    index_ = -1;
}

void SimpleCombo::setItemIndex(int index) {
    silent_ = true;
    if (index >= 0 && index < list_->count()) {
        list_->setCurrentRow(index);
        index_ = index;
        edit_->setText(itemText(index));
    } else {
        list_->clearSelection();
        list_->setCurrentRow(-1);
        index_ = -1;
    }
    silent_ = false;
}

void SimpleCombo::choose(int index) {
    if (index < 0 || index >= list_->count() || !isEnabled())
        return;
    if (repeat_ && index == index_) {
        Q_EMIT changed(index);
        return;
    }
    list_->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void SimpleCombo::setRepeatChoices(bool on) {
    if (on == repeat_)
        return;
    repeat_ = on;
    if (on)
        list_->viewport()->installEventFilter(this);
    else
        list_->viewport()->removeEventFilter(this);
}

bool SimpleCombo::eventFilter(QObject* watched, QEvent* event) {
    // A click on the chosen item changes no selection; report it ourselves.
    if (repeat_ && watched == list_->viewport() && event->type() == QEvent::MouseButtonPress &&
        isEnabled()) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const int row = list_->indexAt(press->position().toPoint()).row();
        if (press->button() == Qt::LeftButton && row >= 0 && row == index_)
            Q_EMIT changed(row);
    }
    return QWidget::eventFilter(watched, event);
}

QString SimpleCombo::text() const {
    return edit_->text();
}

void SimpleCombo::setText(const QString& text) {
    edit_->setText(text);
}

void SimpleCombo::arm() {
    setItemIndex(-1);
    edit_->setText(placeholder_);
}

void SimpleCombo::onSelectionChanged() {
    if (silent_)
        return;
    const auto selected = list_->selectedItems();
    const int index = selected.isEmpty() ? -1 : list_->row(selected.first());
    if (index < 0 || index == index_)
        return;
    index_ = index;
    edit_->setText(itemText(index));
    Q_EMIT changed(index);
}

void SimpleCombo::fitHeight(int visibleRows) {
    const int rows = visibleRows > 0 ? visibleRows : qMax(1, list_->count());
    const int rowHeight = qMax(list_->sizeHintForRow(0), fontMetrics().height() + 2);
    const int editHeight = fontMetrics().height() + 8;
    edit_->setFixedHeight(editHeight);
    const int listHeight = rows * rowHeight + 2 * list_->frameWidth();
    list_->setFixedHeight(listHeight);
    setFixedHeight(editHeight + listHeight);
}
