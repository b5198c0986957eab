#include "app/fonts.h"

#include <QStringList>

void registerFontSubstitutes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    QFont::insertSubstitutions(kSansSerif, {QStringLiteral("Liberation Sans"),
                                            QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kComic, {QStringLiteral("Comic Neue"),
                                        QStringLiteral("Comic Relief"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kCourier, {QStringLiteral("Liberation Mono"),
                                          QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")});
}

QFont windowFont(const QString& family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont fixedPitchFont(qreal pointSize, bool bold)
{
    QFont font = windowFont(kCourier, pointSize, bold);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}
