// The drill results store.
#include "drills/untDTM.h"

TDataModule1::TDataModule1(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DataModule1"));
}
