// Start-up benchmark, program side: runs Sorvelin as main() does, prints
// the monotonic time at which the main window was first exposed, and quits.
#include "app/Run.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>

int main(int argc, char* argv[]) {
    return runSorvelin(argc, argv, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("shown %.6f\n", static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9);
        std::fflush(stdout);
        QTimer::singleShot(0, [] { QApplication::exit(0); });
    });
}
