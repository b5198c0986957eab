#pragma once

#include <QFont>
#include <QString>

// The window asks for the classic Windows faces by name; on systems without them these
// substitutes stand in (Debian: fonts-liberation, fonts-comic-neue). Registered once, when
// the first window is created.
void registerFontSubstitutes();

// A font of the window's tables: family, point size, bold or normal weight.
QFont windowFont(const QString& family, qreal pointSize, bool bold = false);

// The lists and the port chooser keep a fixed-pitch face whatever is installed.
QFont fixedPitchFont(qreal pointSize, bool bold = false);

inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kComic = QStringLiteral("Comic Sans MS");
inline const QString kCourier = QStringLiteral("Courier New");
