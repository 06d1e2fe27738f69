// Creating the screens at start-up: the main menu first, then the twenty
// topic screens in their fixed order (Form11 before Form10).
#pragma once

#include "core/AppContext.h"

#include <QStringList>
#include <map>

class TForm1;
class QWidget;

struct ScreenSet {
    TForm1* form1 = nullptr;
    std::map<int, QWidget*> topics; // by form number 2 … 21
    QStringList creationOrder;      // instance names in the order they were created
};

// The order in which the topic screens are created.
const std::vector<int>& topicCreationOrder();

// Creates one topic screen. Topics not built yet get the common frame with
// their titles.
QWidget* createTopicScreen(AppContext& ctx, int form, QWidget* parent);

// Creates Form1 and then every topic screen; Form1 is the main window.
ScreenSet createScreens(AppContext& ctx, const QString& exeDir);
