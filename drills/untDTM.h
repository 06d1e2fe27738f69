// TDataModule1: the store of the drill results table "dorills" in the local
// database "kyozai". Created at start-up before the screens.
#pragma once

#include <QObject>

class TDataModule1 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(QObject* parent = nullptr);
};
