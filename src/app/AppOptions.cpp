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
    parser.addOptions({profile, demo, port, exitWhenShown, screenshot, screenshotAfter});

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
    return AppOptions{parser.value(profile),       parser.value(demo),       parser.value(port),
                      parser.isSet(exitWhenShown), parser.value(screenshot), seconds};
}
