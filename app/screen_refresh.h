#pragma once

#include <QObject>
#include <QTimer>

// The window's one clock for what changes with every received character (the monitor, the
// result list, the index label): a change asks for the next tick, and every control that
// asked shows its newest state in the same pass of the event loop, 25 times a second, so
// that the screen is repainted once per tick instead of once per control or per character.
class ScreenRefresh : public QObject {
    Q_OBJECT
public:
    // Smooth to the eye for scrolling text, and cheap at 11,520 characters a second.
    static constexpr int kIntervalMs = 40;

    explicit ScreenRefresh(QObject* parent = nullptr);

    // The next tick comes within kIntervalMs.
    void request();

signals:
    void tick();

private:
    QTimer m_timer;
};
