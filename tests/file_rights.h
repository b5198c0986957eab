#pragma once

#include <QString>

// Root reads and writes every file whatever its mode. For as long as this lives, the calling
// thread has dropped the capabilities that bypass file permissions, so a test of a file
// mode means what it says also when the tests run as root (as in CI).
class WithoutFileRights {
public:
    WithoutFileRights();
    ~WithoutFileRights();
    WithoutFileRights(const WithoutFileRights&) = delete;
    WithoutFileRights& operator=(const WithoutFileRights&) = delete;

    // False when file permissions still do not apply: the reason says why.
    bool active() const { return m_reason.isEmpty(); }
    const QString& reason() const { return m_reason; }

private:
    QString m_reason;
    bool m_dropped = false;
};
