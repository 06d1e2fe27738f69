// Start-up creation of the main menu and the topic screens.
#include "app/Screens.h"

#include "app/Contents.h"
#include "app/Unit1.h"
#include "core/TopicScreen.h"
#include "lessons/Unit2.h"
#include "lessons/Unit3.h"
#include "lessons/Unit4.h"
#include "lessons/Unit5.h"
#include "lessons/Unit6.h"
#include "drills/Unit7.h"

const std::vector<int>& topicCreationOrder() {
    static const std::vector<int> order = {2,  3,  4,  5,  6,  7,  8,  9,  11, 10,
                                           12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    return order;
}

QWidget* createTopicScreen(AppContext& ctx, int form, QWidget* parent) {
    switch (form) {
    // Each finished topic screen is created here by its own class.
    case 2:
        return new TForm2(ctx, parent);
    case 3:
        return new TForm3(ctx, parent);
    case 4:
        return new TForm4(ctx, parent);
    case 5:
        return new TForm5(ctx, parent);
    case 6:
        return new TForm6(ctx, parent);
    case 7:
        return new TForm7(ctx, parent);
    default:
        break;
    }
    const ContentsEntry* entry = contentsEntryForForm(form);
    if (!entry)
        return nullptr;
    auto* screen = new TopicScreen(ctx, form, entry->chapterTitle, entry->topicTitle, parent);
    return screen;
}

ScreenSet createScreens(AppContext& ctx, const QString& exeDir) {
    ScreenSet set;
    set.form1 = new TForm1(ctx, exeDir);
    set.creationOrder << set.form1->objectName();
    for (int form : topicCreationOrder()) {
        QWidget* screen = createTopicScreen(ctx, form, set.form1);
        set.topics[form] = screen;
        set.creationOrder << screen->objectName();
    }
    set.form1->setTopicScreens(set.topics);
    return set;
}
