#include "tools/scan/stop_signals.h"

#include <QMetaObject>

#include <atomic>
#include <windows.h>

namespace {

std::atomic<StopSignals*> g_watching{nullptr};

// Windows calls this on a thread of its own; the request is handed to the event loop.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    if (StopSignals* watching = g_watching.load())
        QMetaObject::invokeMethod(watching, &StopSignals::stopRequested, Qt::QueuedConnection);
    return TRUE;
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {}

StopSignals::~StopSignals()
{
    StopSignals* self = this;
    if (g_watching.compare_exchange_strong(self, nullptr))
        SetConsoleCtrlHandler(onConsoleEvent, FALSE);
}

void StopSignals::watch()
{
    // A closed pipe already comes back as a failed write on Windows.
    g_watching.store(this);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void StopSignals::takeRequests()
{
    emit stopRequested();
}
