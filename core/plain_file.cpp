#include "core/plain_file.h"

#include <QCoreApplication>

namespace plainfile {

bool writeAll(QFile& file, const QByteArray& bytes, QString* reason, qsizetype* written)
{
    qsizetype done = 0;
    bool complete = true;
    while (done < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + done, bytes.size() - done);
        if (step <= 0) {
            *reason = reasonOf(file);
            complete = false;
            break;
        }
        done += step;
    }
    if (written)
        *written = done;
    return complete;
}

QString reasonOf(const QFileDevice& file)
{
    // Qt words the commonest reasons itself, in English; its translations carry them.
    const QByteArray text = file.errorString().toUtf8();
    return QCoreApplication::translate("QIODevice", text.constData());
}

}  // namespace plainfile
