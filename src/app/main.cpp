// Harrowview: watches, tests and configures GPS receivers.
#include "app/AppOptions.h"
#include "app/CMainFrame.h"
#include "app/CViewerApp.h"
#include "app/Screenshots.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brimwater"));
    QApplication::setApplicationName(QStringLiteral("Harrowview"));
    QApplication::setApplicationVersion(QStringLiteral(HV_VERSION));

    int exitCode = 0;
    const std::optional<AppOptions> options = ParseAppOptions(QApplication::arguments(), exitCode);
    if (!options) return exitCode;

    CViewerApp app(*options);
    if (!app.InitInstance()) return 1;
    if (options->exitWhenShown) {
        // Runs once the shown window's first events are processed.
        QTimer::singleShot(0, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QApplication::exit(0); // no closing questions: nothing was asked of the user
        });
    }
    if (!options->screenshotDir.isEmpty()) {
        QTimer::singleShot(options->screenshotAfterSeconds * 1000, [&app, &options] {
            if (!SaveScreenshots(app.MainFrame(), options->screenshotDir))
                std::fprintf(stderr, "Could not write the screenshots to %s\n",
                             qPrintable(options->screenshotDir));
            QApplication::exit(0); // no closing questions: nothing was asked of the user
        });
    }
    return QApplication::exec();
}
