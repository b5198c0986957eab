#pragma once

#include <QString>
#include <QtGlobal>

#include <limits>
#include <optional>

// A size as users write it on a command line or in the environment: "512M", "2G", "64K",
// "1048576" (bytes; K, M and G count in 1024s, either case). nullopt for anything else.
inline std::optional<qint64> parseByteSize(const QString& text)
{
    const QString trimmed = text.trimmed().toUpper();
    if (trimmed.isEmpty())
        return std::nullopt;
    qint64 unit = 1;
    QString digits = trimmed;
    const QChar last = trimmed.back();
    if (last == u'K' || last == u'M' || last == u'G') {
        unit = last == u'K' ? (qint64(1) << 10) : last == u'M' ? (qint64(1) << 20) : (qint64(1) << 30);
        digits.chop(1);
    }
    bool ok = false;
    const qint64 number = digits.toLongLong(&ok);
    if (!ok || number <= 0 || number > std::numeric_limits<qint64>::max() / unit)
        return std::nullopt;
    return number * unit;
}
