// SIGTERM, SIGHUP and SIGINT as a request to close: the first one starts the same close
// as the Exit command (the main frame's close: placement, the save questions, the bars),
// delivered from the event loop through a pipe the signal handler writes one byte to
// (the only thing a handler may safely do). A second signal while that close is still
// running ends the program at once. If the user cancels the close, the next signal
// asks again. An open modal dialog is closed first.
//
//   CCloseSignals::Install([] { theApp.OnAppExit(); });
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class CCloseSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers once per process; later calls only replace the request.
    static void Install(std::function<void()> closeRequest);

private:
    explicit CCloseSignals(int readFd);
    void OnSignal();
    void Deliver();

    QSocketNotifier* m_pNotifier;
    int m_readFd;
    std::function<void()> m_closeRequest;
};
