#pragma once

#include <QByteArray>
#include <QString>

// A real pseudo-terminal: the test holds the far end and writes into it; the component
// opens the device end by its path like any serial device.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return m_farEnd >= 0; }
    const QString& devicePath() const { return m_path; }
    int farEnd() const { return m_farEnd; }

    // Writes all bytes, waiting while the terminal's buffer is full.
    bool write(const QByteArray& bytes);
    // Closes the far end: to the device end it looks like a device that went away.
    void closeFarEnd();

private:
    int m_farEnd = -1;
    QString m_path;
};
