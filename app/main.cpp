#include "app/app_icon.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "wirelark_version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // Answered before the application is made: asking for the version needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("wirelark %s\n", kProductVersion);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(kProductVersion));
    QApplication::setDesktopFileName(appicon::kThemeName);

    QtDialogs dialogs;
    frmWirelark window(dialogs);
    dialogs.setParent(&window);
    if (!window.Load())
        return 0;
    return app.exec();
}
