// wirelark-scan: runs Wirelark's matcher over saved monitor logs, without a window.
//   wirelark-scan [--filters FILE] --select N[,N...] [--where] LOG...
// Exit status as grep's: 0 a hit, 1 none, 2 an error.
#include "core/filter_file.h"
#include "core/log_scan.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

constexpr int kHit = 0;
constexpr int kNoHit = 1;
constexpr int kTrouble = 2;

// Logs are read in pieces of this size: memory stays the same however long the log.
constexpr qint64 kPieceSize = 1 << 20;

const char* const kUsage =
    "Usage: wirelark-scan [--filters FILE] --select N[,N...] [--where] LOG...\n"
    "Runs Wirelark's matcher over monitor logs saved by Wirelark and prints one line per hit,\n"
    "as the result list shows it. LOG - is standard input.\n"
    "  --filters FILE  the search strings (default: Filter4.ini in the working directory)\n"
    "  --select N,...  the entries to search for, 1 = the file's first line\n"
    "  --where         begin each line with LOG:LINE:COLUMN: (line 0-based, column 1-based)\n"
    "Exit status: 0 a hit, 1 no hit, 2 an error.\n";

struct Options {
    QString filters = filterfile::kFileName;
    std::set<int> selected;  // in list order, as the window's slots
    bool where = false;
    QStringList logs;
};

void complain(const QString& message)
{
    std::fprintf(stderr, "wirelark-scan: %s\n", message.toLocal8Bit().constData());
}

bool parseSelection(const QString& text, std::set<int>* selected)
{
    for (const QString& number : text.split(u',')) {
        bool ok = false;
        const int value = number.trimmed().toInt(&ok);
        if (!ok || value < 1) {
            complain(QStringLiteral("--select: \"%1\" is not an entry number (1, 2, ...)").arg(number));
            return false;
        }
        selected->insert(value);
    }
    return true;
}

// False (after saying why) when the command line cannot be used.
bool parseOptions(const QStringList& arguments, Options* options, bool* help)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool takesValue = argument == "--filters" || argument == "--select";
        if (takesValue && i + 1 == arguments.size()) {
            complain(argument + QStringLiteral(" needs a value"));
            return false;
        }
        if (argument == "--help" || argument == "-h") {
            *help = true;
            return true;
        } else if (argument == "--filters") {
            options->filters = arguments[++i];
        } else if (argument == "--select") {
            if (!parseSelection(arguments[++i], &options->selected))
                return false;
        } else if (argument == "--where") {
            options->where = true;
        } else if (argument.startsWith(u'-') && argument != "-") {
            complain(QStringLiteral("unknown option %1").arg(argument));
            return false;
        } else {
            options->logs << argument;
        }
    }
    if (options->selected.empty()) {
        complain(QStringLiteral("--select names no entry"));
        return false;
    }
    if (options->logs.isEmpty()) {
        complain(QStringLiteral("no log file named (- is standard input)"));
        return false;
    }
    return true;
}

// The selected entries, split as the window splits them; false when one does not exist.
bool selectedEntries(const Options& options, QList<searchslot::Entry>* entries)
{
    const filterfile::ReadResult file = filterfile::read(options.filters);
    if (file.missing || !file.error.isEmpty()) {
        complain(QStringLiteral("%1: %2").arg(options.filters,
                                             file.missing ? QStringLiteral("No such file") : file.error));
        return false;
    }
    for (int number : options.selected) {
        if (number > file.entries.size()) {
            complain(QStringLiteral("entry %1 does not exist: %2 holds %3")
                         .arg(number)
                         .arg(options.filters)
                         .arg(file.entries.size()));
            return false;
        }
        entries->append(searchslot::split(file.entries[number - 1]));
    }
    return true;
}

// Scans one log; false (after saying why) when it cannot be read.
bool scanLog(const QString& name, bool where, LogScanner& scanner, bool* anyHit)
{
    QFile log;
    const bool opened = name == "-" ? log.open(stdin, QIODevice::ReadOnly)
                                    : (log.setFileName(name), log.open(QIODevice::ReadOnly));
    if (!opened) {
        complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
        return false;
    }
    const QByteArray prefix = name.toLocal8Bit();
    const LogScanner::HitSink print = [&](const LogScanner::Hit& hit) {
        *anyHit = true;
        if (where)
            std::printf("%s:%lld:%lld: ", prefix.constData(), hit.line, hit.column);
        std::fputs(hit.text.toLocal8Bit().constData(), stdout);
        std::fputc('\n', stdout);
    };
    scanner.restart();
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = log.read(piece.data(), kPieceSize);
        if (got < 0) {
            complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
            return false;
        }
        if (got == 0)
            break;
        scanner.feed(QByteArrayView(piece.constData(), got), print);
    }
    scanner.finish(print);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Options options;
    bool help = false;
    if (!parseOptions(QCoreApplication::arguments(), &options, &help)) {
        std::fputs(kUsage, stderr);
        return kTrouble;
    }
    if (help) {
        std::fputs(kUsage, stdout);
        return kHit;
    }
    QList<searchslot::Entry> entries;
    if (!selectedEntries(options, &entries))
        return kTrouble;

    LogScanner scanner(entries);
    bool anyHit = false;
    bool trouble = false;
    for (const QString& log : options.logs)
        trouble |= !scanLog(log, options.where, scanner, &anyHit);
    std::fflush(stdout);
    if (trouble)
        return kTrouble;
    return anyHit ? kHit : kNoHit;
}
