// Start-up of the program with its production services.
#include "app/Program.h"

#include "app/Unit1.h"
#include "core/TopicScreen.h"
#include "drills/untDTM.h"

#include <QApplication>

Program::Program(const QString& exeDir)
    : cues_(state_, sound_, dialogs_),
      ctx_{state_, random_, cues_, dialogs_, clock_, nullptr, [] { QApplication::quit(); }} {
    // The results store first, then the screens (the menu first of all).
    dataModule_ = std::make_unique<TDataModule1>();
    ctx_.results = dataModule_.get();
    screens_ = createScreens(ctx_, exeDir);
}

Program::~Program() {
    delete screens_.form1; // the topic screens are its children
}

void Program::start() {
    Frame::centreOnScreen(screens_.form1);
    screens_.form1->show();
}
