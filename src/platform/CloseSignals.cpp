#include "platform/CloseSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>

namespace {

int g_writeFd = -1;
volatile sig_atomic_t g_closing = 0;
CCloseSignals* g_instance = nullptr;

extern "C" void OnCloseSignal(int sig) {
    if (g_closing) {
        // The second signal: end now, as the signal's default would have.
        ::signal(sig, SIG_DFL);
        ::raise(sig);
        return;
    }
    g_closing = 1;
    const int saved = errno;
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] ssize_t written = ::write(g_writeFd, &byte, 1);
    errno = saved;
}

}  // namespace

void CCloseSignals::Install(std::function<void()> closeRequest) {
    if (!g_instance) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
        g_writeFd = fds[1];
        g_instance = new CCloseSignals(fds[0]);
        struct sigaction action {};
        action.sa_handler = OnCloseSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &action, nullptr);
    }
    g_instance->m_closeRequest = std::move(closeRequest);
}

CCloseSignals::CCloseSignals(int readFd)
    : QObject(QCoreApplication::instance()),
      m_pNotifier(new QSocketNotifier(readFd, QSocketNotifier::Read, this)),
      m_readFd(readFd) {
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CCloseSignals::OnSignal);
}

void CCloseSignals::OnSignal() {
    char buffer[64];
    while (::read(m_readFd, buffer, sizeof buffer) > 0) {
    }
    Deliver();
}

void CCloseSignals::Deliver() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        // A modal dialog runs its own loop inside a handler: close it, and close the
        // rest once that handler has returned.
        modal->close();
        QTimer::singleShot(0, this, &CCloseSignals::Deliver);
        return;
    }
    if (m_closeRequest) m_closeRequest();
    g_closing = 0;  // the close ran (or was cancelled): the next signal asks again
}
