// Running the program from main().
#include "app/Run.h"

#include "app/Program.h"
#include "app/Unit1.h"
#include "core/Mascot.h"
#include "core/Style.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QWindow>

namespace {
// Calls `callback` once, on the first expose of `window`.
class FirstExpose : public QObject {
public:
    FirstExpose(QWindow* window, std::function<void()> callback)
        : QObject(window), callback_(std::move(callback)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && callback_ &&
            static_cast<QWindow*>(watched)->isExposed()) {
            auto callback = std::move(callback_);
            callback_ = nullptr;
            callback();
        }
        return false;
    }

private:
    std::function<void()> callback_;
};
} // namespace

int runSorvelin(int argc, char* argv[], const std::function<void()>& whenShown) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvelin"));
    QApplication::setApplicationVersion(QStringLiteral(SORVELIN_VERSION));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(Mascot::image(128))));

    if (!Style::japaneseFontAvailable()) {
        // Written without Japanese, since no font could show it.
        QMessageBox::warning(
            nullptr, QStringLiteral("Sorvelin"),
            QStringLiteral("No Japanese font was found, so the screens cannot show "
                           "their texts.\nPlease install the package "
                           "fonts-motoya-l-maruberi or fonts-noto-cjk."));
    }

    // The program folder, from the executable's resolved path.
    Program program(QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/'));
    if (whenShown) {
        program.screens().form1->winId(); // create the native window to watch it
        new FirstExpose(program.screens().form1->windowHandle(), whenShown);
    }
    program.start();
    return QApplication::exec();
}
