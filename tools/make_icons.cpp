// Writes Wirelark's icon for the desktop's icon theme (hicolor/SIZE/apps/NAME.png and
// hicolor/scalable/apps/NAME.svg) and for Windows (wirelark.ico) under the folder given.
// Run by the build.
#include "app/app_icon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

#include <cstdio>

namespace {

// A Windows icon file holding PNG images (as Windows reads them since Vista): a header, one
// directory entry per size, then the images.
QByteArray icoFile(const QList<int>& sizes)
{
    QList<QByteArray> images;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        appicon::image(size).save(&buffer, "PNG");
        images << png;
    }
    QByteArray ico;
    const auto put16 = [&ico](quint16 value) { ico.append(reinterpret_cast<const char*>(&value), 2); };
    const auto put32 = [&ico](quint32 value) { ico.append(reinterpret_cast<const char*>(&value), 4); };
    put16(qToLittleEndian<quint16>(0));
    put16(qToLittleEndian<quint16>(1));  // an icon, not a cursor
    put16(qToLittleEndian<quint16>(quint16(sizes.size())));
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const char side = sizes[i] >= 256 ? 0 : char(sizes[i]);  // 0 stands for 256
        ico.append(side).append(side).append('\0').append('\0');
        put16(qToLittleEndian<quint16>(1));   // colour planes
        put16(qToLittleEndian<quint16>(32));  // bits per pixel
        put32(qToLittleEndian<quint32>(quint32(images[i].size())));
        put32(qToLittleEndian<quint32>(offset));
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        ico += image;
    return ico;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wirelark-make-icons FOLDER\n");
        return 2;
    }
    // Painting needs no screen; any platform will do.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!root.mkpath(folder) || !appicon::image(size).save(root.filePath(folder + "/" + appicon::kThemeName + ".png")))
            return 1;
    }
    if (!root.mkpath(QStringLiteral("hicolor/scalable/apps")))
        return 1;
    QFile svg(root.filePath(QStringLiteral("hicolor/scalable/apps/") + appicon::kThemeName + ".svg"));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(appicon::svg().toUtf8()) < 0)
        return 1;
    QFile ico(root.filePath(QStringLiteral("wirelark.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoFile({16, 24, 32, 48, 64, 256})) < 0)
        return 1;
    return 0;
}
