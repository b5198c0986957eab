#pragma once

#include <QObject>

// Ctrl+C, and a rig's or a service manager's request to stop (SIGTERM), reach the watch as
// stopRequested() from its own event loop. The systems tell a program in different ways:
// one file each (stop_signals_posix.cpp, stop_signals_win.cpp) knows how.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // From now on a stop request is told; a reader that closes the output pipe shows up as
    // a failed write, not as the end of the program.
    void watch();

signals:
    void stopRequested();

private:
    void takeRequests();
};
