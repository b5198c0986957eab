// Writes Wirelark's icon for the desktop's icon theme: hicolor/SIZE/apps/NAME.png and
// hicolor/scalable/apps/NAME.svg under the folder given. Run by the build.
#include "app/app_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

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
    return 0;
}
