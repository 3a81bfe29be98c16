// orderlyend.h: the game ends as through its close button on SIGTERM, SIGHUP and SIGINT, and the
// settings are kept when the desktop's session ends.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace varn {

class Form1;

// A logout under systemd arrives as SIGTERM, a closed terminal as SIGHUP, Ctrl+C as SIGINT: each
// closes the window once the move in hand has ended, and the program then ends as it ends after
// the close button, with status 0, every queued write of the scores given its time. The
// handler only writes a byte to a pipe, which the window's thread reads.
class OrderlyEnd : public QObject {
    Q_OBJECT

  public:
    explicit OrderlyEnd(Form1& form);
    ~OrderlyEnd() override;
    OrderlyEnd(const OrderlyEnd&) = delete;
    OrderlyEnd& operator=(const OrderlyEnd&) = delete;

  private:
    static void onSignal(int signal);
    void end();

    Form1& m_form;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace varn
