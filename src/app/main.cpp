// Harrowview: watches, tests and configures GPS receivers.
#include "app/AppOptions.h"
#include "app/CMainFrame.h"
#include "app/CViewerApp.h"
#include "app/Screenshots.h"
#include "config/SettingsCommands.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

// Whether Qt has somewhere to show windows. Without one it would abort, so
// the program says so itself.
bool HasDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0) return true;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true; // offscreen, vnc, a framebuffer...
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setOrganizationName(QStringLiteral("Brimwater"));
    QCoreApplication::setApplicationName(QStringLiteral("Harrowview"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HV_VERSION));
    int exitCode = 0;
    if (!HasDisplay(argc, argv)) {
        // --help and --version work anywhere: over SSH, in a script.
        const QCoreApplication console(argc, argv);
        if (!ParseAppOptions(QCoreApplication::arguments(), exitCode)) return exitCode;
        std::fputs("harrowview: no display to show windows on (DISPLAY and WAYLAND_DISPLAY "
                   "are not set)\n",
                   stderr);
        return 1;
    }

    QApplication application(argc, argv);
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
            const bool windows = SaveScreenshots(app.MainFrame(), options->screenshotDir);
            app.SettingsDialogs().SaveScreenshots(
                options->screenshotDir, [&options, windows](bool dialogs) {
                    if (!windows || !dialogs)
                        std::fprintf(stderr, "Could not write the screenshots to %s\n",
                                     qPrintable(options->screenshotDir));
                    QApplication::exit(0); // no closing questions: nothing was asked of the user
                });
        });
    }
    return QApplication::exec();
}
