#pragma once

#include <QString>
#include <QStringView>

// The rules by which received text becomes monitor lines: the window's line assembly and
// wirelark-scan's live watch both follow them.
namespace lineassembly {

// A line longer than this is closed; the text that takes it past stays on it in full.
constexpr int kLineLimit = 100;
// The bus probe's STOP marker.
inline const QString kStopMarker = QStringLiteral("p");

// Whether a line of this many characters is closed.
inline bool isOverLimit(qsizetype length)
{
    return length > kLineLimit;
}

// Whether a text closes its line as a STOP ("CRLF nach STOP" ticked).
inline bool isStop(QStringView text, bool crlf)
{
    return crlf && text == kStopMarker;
}

}  // namespace lineassembly

// The monitor's lines counted rather than kept: where each received character lands, and
// where lines end, as the window's line assembly lays them out.
class LineCounter {
public:
    explicit LineCounter(bool crlf) : m_crlf(crlf) {}

    // A received text joins the open line.
    void append(QStringView text) { m_column += text.size(); }
    // Then, as in the window: a new line begins when the line grew past the limit, and
    // another when the text was a STOP. Returns how many began (0, 1 or 2).
    int closeAfter(QStringView text)
    {
        int begun = lineassembly::isOverLimit(m_column) ? 1 : 0;
        begun += lineassembly::isStop(text, m_crlf) ? 1 : 0;
        if (begun > 0) {
            m_line += begun;
            m_column = 0;
        }
        return begun;
    }

    qint64 line() const { return m_line; }      // number of the open line, the first being 1
    qint64 column() const { return m_column; }  // characters on it: the last one's 1-based column

private:
    bool m_crlf;
    qint64 m_line = 1;
    qint64 m_column = 0;
};
