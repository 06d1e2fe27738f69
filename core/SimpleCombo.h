// SimpleCombo: an edit line over a list that is always open, the control
// through which a child chooses everything: digit wheels, menu boxes, the
// time box and the "◆" submit box. Nothing can be typed; choosing an item
// (click, keyboard, or choose() from code) is the one event screens react to.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

class SimpleCombo : public QWidget {
    Q_OBJECT
public:
    SimpleCombo(QWidget* parent, const QString& name, const QStringList& items,
                const QString& placeholder, const QColor& background, const QFont& font,
                const QPoint& topLeft, int width, int visibleRows = -1);

    // The ten full-width digits "０" … "９" of a digit wheel.
    static QStringList digitItems();

    int count() const;
    QString itemText(int index) const;
    void setItems(const QStringList& items);

    // Index of the chosen item, −1 when none.
    int itemIndex() const { return index_; }
    // Sets the chosen item from code, silently (no changed() signal).
    void setItemIndex(int index);
    // Chooses an item exactly as a click does: selects it, shows its text
    // and emits changed() when the choice differs from the current one.
    void choose(int index);

    // Whether choosing the item that is already chosen counts as a choice
    // again (menu boxes: the child means it); off for wheels and submit boxes.
    void setRepeatChoices(bool on);

    // The edit line's text: the chosen item, or a placeholder such as "分".
    QString text() const;
    void setText(const QString& text);
    QString placeholder() const { return placeholder_; }

    // Clears the choice silently and shows the placeholder: how a wheel is
    // armed before each entry.
    void arm();

    QListWidget* list() const { return list_; }

Q_SIGNALS:
    void changed(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onSelectionChanged();
    void fitHeight(int visibleRows);

    QLineEdit* edit_;
    QListWidget* list_;
    QString placeholder_;
    int index_ = -1;
    bool silent_ = false;
    bool repeat_ = false;
};
