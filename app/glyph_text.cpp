#include "app/glyph_text.h"

#include "core/code_page.h"

#include <QPainter>

GlyphText::GlyphText(const QFont& font) : m_font(QRawFont::fromFont(font))
{
    QString all(256, Qt::Uninitialized);
    for (int byte = 0; byte < 256; ++byte)
        all[byte] = codepage::toChar(static_cast<unsigned char>(byte));
    const QList<quint32> glyphs = m_font.glyphIndexesForString(all);
    for (int byte = 0; byte < 256 && byte < glyphs.size(); ++byte)
        m_glyphs[static_cast<std::size_t>(byte)] = glyphs[byte];
    const QList<QPointF> advances = m_font.advancesForGlyphIndexes({m_glyphs['0']});
    m_advance = advances.isEmpty() ? 0 : advances.first().x();
}

void GlyphText::draw(QPainter& painter, const QPointF& topLeft, QByteArrayView bytes) const
{
    if (bytes.isEmpty() || !m_font.isValid())
        return;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(bytes.size());
    positions.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        glyphs.append(m_glyphs[static_cast<unsigned char>(bytes[i])]);
        positions.append(QPointF(i * m_advance, 0));
    }
    QGlyphRun run;
    run.setRawFont(m_font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(topLeft + QPointF(0, m_font.ascent()), run);
}
