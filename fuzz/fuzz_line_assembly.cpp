// The per-character path: arbitrary bytes through AddChar, with arbitrary selected search
// strings and ticks of "CRLF nach STOP". Checked: the monitor lines joined give back exactly
// the bytes fed, no line is longer than 101 characters, and every result line is
// comment "(" pattern ")" of a selected search string.
#include "core/code_page.h"
#include "app/dialogs.h"
#include "app/main_window.h"

#include <QApplication>
#include <QSet>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

class SilentDialogs : public Dialogs {
public:
    void MsgBox(const QString&, int, const QString&) override {}
    QString InputBox(const QString&) override { return {}; }
    bool SaveAs(const SaveAsRequest&, QString*) override { return false; }
};

// The window's lists and check box, found by their names as any tool would.
struct Window {
    SilentDialogs dialogs;
    frmWirelark form{dialogs, std::make_unique<MSComm>(PortMap({}), systemLineErrors())};
    ListBox* monitor = form.findChild<ListBox*>(QStringLiteral("lstMonitor"));
    ListBox* results = form.findChild<ListBox*>(QStringLiteral("lstResult"));
    ListBox* searchStrings = form.findChild<ListBox*>(QStringLiteral("lstAutoFilter"));
    CheckBox* crlf = form.findChild<CheckBox*>(QStringLiteral("chkCRLF"));
};

Window* g_window = nullptr;

// Reads the input front to back; past its end every read gives 0.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    std::uint8_t next() { return at < size ? data[at++] : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static Window window;
    g_window = &window;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Window& w = *g_window;
    w.form.cmdClear_Click();
    w.form.cmdClearResultAutoFilter_Click();
    w.form.cmdClearAutoFilter_Click();
    w.form.FilterPos.fill(1);
    w.form.FilterMatched.fill(false);
    for (QString& buffer : w.form.FilterBuffer)
        buffer.clear();

    Input input{data, size};
    const int count = input.next() % 6;
    w.crlf->setChecked(input.next() & 1);
    QSet<QString> hitTexts;
    for (int i = 0; i < count; ++i) {
        const int length = input.next() % 48;
        QByteArray entry;
        for (int j = 0; j < length; ++j)
            entry += char(input.next());
        const QString text = codepage::toText(entry);
        w.searchStrings->AddItem(text);
        w.searchStrings->SetSelected(i, true);
        hitTexts.insert(text.section(QLatin1Char(';'), 1, 1) + QLatin1Char('(') +
                        text.section(QLatin1Char(';'), 0, 0) + QLatin1Char(')'));
    }

    // The stream: runs of up to 64 characters, each run perhaps preceded by an empty text
    // (a port event without data) and a tick of the check box.
    QString fed;
    while (input.more()) {
        const std::uint8_t control = input.next();
        if (control & 0x80)
            w.form.AddChar(QString());
        if (control & 0x40)
            w.crlf->setChecked(!w.crlf->isChecked());
        const int run = (control & 0x3F) + 1;
        for (int i = 0; i < run && input.more(); ++i) {
            const QString text(codepage::toChar(input.next()));
            fed += text;
            w.form.AddChar(text);
        }
    }

    QString shown;
    for (int i = 0; i < w.monitor->ListCount(); ++i) {
        const QString line = w.monitor->List(i);
        if (line.size() > 101)
            std::abort();
        shown += line;
    }
    if (shown != fed)
        std::abort();
    const int results = w.results->ListCount();
    for (int i = 0; i < results; ++i) {
        const QString line = w.results->List(i);
        if (i == results - 1 ? !line.isEmpty() : !hitTexts.contains(line))
            std::abort();
    }
    return 0;
}
