// settings.cpp: reading and writing the player's settings, with their defaults and bounds.
#include "settings.h"

#include <QSettings>
#include <algorithm>

#include "xdgfolder.h"

namespace varn {

namespace {

const QString kWidth = QStringLiteral("window/width");
const QString kHeight = QStringLiteral("window/height");
const QString kFullScreen = QStringLiteral("window/fullScreen");
const QString kSound = QStringLiteral("sound/on");
const QString kContinueGame = QStringLiteral("game/continue");

// A whole number within bounds, or `fallback` for anything else (text, fractions, NaN).
int readInt(const QSettings& file, const QString& key, int low, int high, int fallback) {
    bool ok = false;
    const qlonglong value = file.value(key).toString().trimmed().toLongLong(&ok);
    return ok ? int(std::clamp<qlonglong>(value, low, high)) : fallback;
}

// "true" or "false", as the game writes them; anything else is the default.
bool readBool(const QSettings& file, const QString& key, bool fallback) {
    const QString text = file.value(key).toString().trimmed().toLower();
    return text == QLatin1String("true") || (fallback && text != QLatin1String("false"));
}

}  // namespace

Settings::Settings(QSize smallest, QSize largest) {
    const QSettings file(path(), QSettings::IniFormat);
    largest = largest.expandedTo(smallest);
    const int width = readInt(file, kWidth, smallest.width(), largest.width(), -1);
    const int height = readInt(file, kHeight, smallest.height(), largest.height(), -1);
    if (width > 0 && height > 0) m_windowSize = QSize(width, height);
    m_fullScreen = readBool(file, kFullScreen, false);
    m_sound = readBool(file, kSound, true);
    m_continueGame = readBool(file, kContinueGame, true);
}

QString Settings::path() {
    return QString::fromStdString(xdgFolder("XDG_CONFIG_HOME", ".config") + "/varn/varn.conf");
}

void Settings::save(QSize windowSize, bool fullScreen, bool sound, bool continueGame) {
    QSettings file(path(), QSettings::IniFormat);
    file.setValue(kWidth, windowSize.width());
    file.setValue(kHeight, windowSize.height());
    file.setValue(kFullScreen, fullScreen);
    file.setValue(kSound, sound);
    file.setValue(kContinueGame, continueGame);
    file.sync();
}

}  // namespace varn
