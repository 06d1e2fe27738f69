// The running program: the production services, the shared state, the
// results store and the screens, created in the start-up order.
#pragma once

#include "app/Screens.h"
#include "core/AppContext.h"
#include "core/Platform.h"
#include "core/PracticeState.h"
#include "core/RandomSource.h"
#include "core/SoundCues.h"

#include <memory>

class TDataModule1;

class Program {
public:
    explicit Program(const QString& exeDir);
    ~Program();

    // Shows the main window.
    void start();

    AppContext& context() { return ctx_; }
    const ScreenSet& screens() const { return screens_; }

private:
    PracticeState state_;
    SystemRandom random_;
    QtSoundOutput sound_;
    QtDialogs dialogs_;
    SystemClock clock_;
    SoundCues cues_;
    AppContext ctx_;
    std::unique_ptr<TDataModule1> dataModule_;
    ScreenSet screens_;
};
