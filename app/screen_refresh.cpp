#include "app/screen_refresh.h"

ScreenRefresh::ScreenRefresh(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ScreenRefresh::tick);
}

void ScreenRefresh::request()
{
    if (!m_timer.isActive())
        m_timer.start();
}
