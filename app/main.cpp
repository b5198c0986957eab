#include "app/app_icon.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "wirelark_version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
