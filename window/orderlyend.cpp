// orderlyend.cpp: the signals' pipe, and the session manager's request to keep the settings.
#include "orderlyend.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>

#include "designtable.h"
#include "form1.h"

namespace varn {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int g_pipe[2] = {-1, -1};

}  // namespace

OrderlyEnd::OrderlyEnd(Form1& form) : m_form(form) {
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { m_form.keepSettings(); });
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(g_pipe[0], &byte, 1) == 1) {
        }
        end();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

OrderlyEnd::~OrderlyEnd() {
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

// The window closes as its close button closes it, which it refuses while pieces fall, and so
// does any dialog over it, whose own move must end first.
void OrderlyEnd::end() {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &m_form)
        modal->close();
    if (m_form.game().busy() || !m_form.boardEnabled()) {
        QTimer::singleShot(designTable().fallMilliseconds, this, &OrderlyEnd::end);
        return;
    }
    QApplication::closeAllWindows();
}

// Only what a signal handler may do: one write, with errno kept for the code it interrupted.
void OrderlyEnd::onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace varn
