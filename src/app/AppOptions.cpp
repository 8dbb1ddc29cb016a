#include "app/AppOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, int& exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Watches, tests and configures GPS receivers on a serial port."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption profile(QStringLiteral("profile"),
                                     QStringLiteral("Use the settings in FILE (an INI file)."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Play the NMEA capture FILE in a loop instead of reading the receiver."),
        QStringLiteral("FILE"));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Read the receiver on PATH for this run (the saved port is kept)."),
        QStringLiteral("PATH"));
    const QCommandLineOption ttff(
        QStringLiteral("ttff"),
        QStringLiteral("Open the TTFF window running TEST: hot, warm or cold, then optionally "
                       ",single (the default), ,continuous, ,100 or ,200 (as in hot,100)."),
        QStringLiteral("TEST"));
    QCommandLineOption exitWhenShown(
        QStringLiteral("exit-when-shown"),
        QStringLiteral("Print the time when the main window is shown, then exit."));
    QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral(
            "Save the main window and each child window as PNG files in DIR, then exit."),
        QStringLiteral("DIR"));
    QCommandLineOption screenshotAfter(QStringLiteral("screenshot-after"),
                                       QStringLiteral("Seconds to run before the screenshots."),
                                       QStringLiteral("SECONDS"), QStringLiteral("8"));
    for (QCommandLineOption* hidden : {&exitWhenShown, &screenshot, &screenshotAfter})
        hidden->setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({profile, demo, port, ttff, exitWhenShown, screenshot, screenshotAfter});

    exitCode = 0;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        exitCode = 1;
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return std::nullopt;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "Unexpected argument: %s\n",
                     qPrintable(parser.positionalArguments().front()));
        exitCode = 1;
        return std::nullopt;
    }
    bool secondsOk = false;
    const int seconds = parser.value(screenshotAfter).toInt(&secondsOk);
    if (!secondsOk || seconds < 0) {
        std::fprintf(stderr, "--screenshot-after needs a number of seconds\n");
        exitCode = 1;
        return std::nullopt;
    }
    AppOptions options;
    options.profile = parser.value(profile);
    options.demo = parser.value(demo);
    options.port = parser.value(port);
    options.exitWhenShown = parser.isSet(exitWhenShown);
    options.screenshotDir = parser.value(screenshot);
    options.screenshotAfterSeconds = seconds;
    if (parser.isSet(ttff)) {
        const QStringList test = parser.value(ttff).split(',');
        const QStringList modes{"hot", "warm", "cold"};
        const QStringList counts{"single", "continuous", "100", "200"};
        options.ttffMode = static_cast<int>(modes.indexOf(test.value(0))) + 1;
        options.ttffTestCount =
            test.size() > 1 ? static_cast<int>(counts.indexOf(test.value(1))) : 0;
        if (options.ttffMode < 1 || options.ttffTestCount < 0 || test.size() > 2) {
            std::fprintf(stderr, "--ttff takes hot, warm or cold, then optionally ,single, "
                                 ",continuous, ,100 or ,200\n");
            exitCode = 1;
            return std::nullopt;
        }
    }
    return options;
}
