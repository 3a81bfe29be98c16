// main.cpp: runs the artwork tests inside a headless Qt application.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Always headless, also when the test runner lists the tests at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
