// Sorvelin: an arithmetic tutor for the sixth year of primary school.
#include "app/Program.h"
#include "core/Mascot.h"
#include "core/Style.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char* argv[]) {
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
    program.start();
    return QApplication::exec();
}
