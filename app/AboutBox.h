// The about box "バージョン情報": program name, version, subject and notice.
#pragma once

#include <QDialog>

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    // The four lines of the box.
    static QStringList lines();
};
