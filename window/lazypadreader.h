// lazypadreader.h: the game controllers, read through their module, which loads at the first poll.
#pragma once

#include <QStringList>
#include <memory>

#include "padreader.h"

namespace varn {

// SDL costs start-up a good part of its time, and most players have no controller: the poller
// starts once the window's first frame is out, and only then is the module mapped. Without the
// module no controller is read, and the first poll says so for good; standard error hears of a
// module that is there and does not load, not of a missing one.
class LazyPadReader : public PadReader {
  public:
    // The module's file names, tried in order, and the folder of the input devices.
    explicit LazyPadReader(QStringList modules, QString devices = QStringLiteral("/dev/input"));
    ~LazyPadReader() override;

    // Beside the program (a build tree), then in the library folder of the installation that
    // holds the program.
    static QStringList defaultModules();

    PadPoll poll() override;

  private:
    QStringList m_modules;
    QString m_devices;
    std::unique_ptr<PadReader> m_reader;
    bool m_tried = false;
};

}  // namespace varn
