#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QByteArrayView>

#include <array>

class QPainter;

// Draws text of the program's code page in a fixed-pitch face by looking up each byte's
// glyph once, with no shaping: the monitor's lines and the index number change 25 times a
// second, and shaping them each time cost more than painting them. The code page is Latin
// script only, and a fixed-pitch face has neither kerning nor ligatures, so nothing is lost.
class GlyphText {
public:
    explicit GlyphText(const QFont& font);

    qreal advance() const { return m_advance; }
    qreal height() const { return m_font.ascent() + m_font.descent(); }
    // The text's top-left corner at topLeft.
    void draw(QPainter& painter, const QPointF& topLeft, QByteArrayView bytes) const;

private:
    QRawFont m_font;
    std::array<quint32, 256> m_glyphs{};
    qreal m_advance = 0;
};
