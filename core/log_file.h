#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A monitor log file: every line followed by CR LF, one byte per character in the program's
// code page, nothing else. The file is created anew; lines written before a failure stay.
class LogFile {
public:
    // Each returns false on failure; errorString then tells the first failure's reason.
    bool create(const QString& path);
    bool writeLine(const QString& line);
    bool close();
    QString errorString() const { return m_error; }

private:
    bool writePending();

    QFile m_file;
    QByteArray m_pending;  // lines not yet handed to the system
    QString m_error;
};
