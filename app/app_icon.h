#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include "wirelark_version.h"

// Wirelark's icon: the two lines of an I2C bus, the clock (SCL) above and the data (SDA)
// below, on a dark tile. One description gives the window's icon and, at build time, the
// SVG and PNG files of the desktop's icon theme, so they never differ.
namespace appicon {

// The name under which the desktop's icon theme knows it (the .desktop file's Icon=).
inline const QString kThemeName = QString::fromLatin1(kDesktopName);

QImage image(int size);
QString svg();
QIcon icon();

}  // namespace appicon
