// main() for the Qt layer's tests: one QApplication for every test, on Qt's
// offscreen platform (no display needed, also for the test discovery at build
// time), with configuration and runtime folders of its own so no test touches
// the real ~/.config.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home; // mode 0700, as Qt wants a runtime folder
    if (!home.isValid()) return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
