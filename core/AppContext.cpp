// Playing cues through the context and the quit question.
#include "core/AppContext.h"

#include "core/Seams.h"
#include "core/SoundCues.h"

void AppContext::PlaySoundCue(int n) {
    cues.PlaySoundCue(n);
}

void ConfirmQuit(AppContext& ctx) {
    // Only an explicit Yes ends the program: No, Esc and the box's close
    // button keep everything as it was, so a stray click loses nothing.
    if (ctx.dialogs.confirm(QStringLiteral("終わっても いいの？")) && ctx.quit)
        ctx.quit();
}
