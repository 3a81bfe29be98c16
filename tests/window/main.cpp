// main.cpp: runs the window tests in one application, without a display, in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
// The offscreen platform cannot size windows to their contents and says so each time.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("propagateSizeHints"))) return;
    qt_message_output(type, context, text);
}
}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The window reads and writes its high-score file in the working directory, and its
    // settings, table of scores and drawn pictures never in the developer's own folders.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(scratch.path()));
    qputenv("HOME", QFile::encodeName(scratch.path()));
    return RUN_ALL_TESTS();
}
