#include "tools/scan/options.h"

#include "core/byte_size.h"
#include "core/filter_file.h"
#include "core/standard_streams.h"

#include <QFile>

#include <cstdio>

const char* const kScanUsage =
    "Usage: wirelark-scan [--config FILE] [--filters FILE] (--select N[,N...] | -e ENTRY ...) [--where] [--decode]\n"
    "                     [-j JOBS] LOG...\n"
    "       wirelark-scan --port PORT [--filters FILE] (--select N[,N...] | -e ENTRY ...)\n"
    "                     [-m NUM] [--timeout SECONDS] [--duration SECONDS] [--save FILE [--force]]\n"
    "                     [--rotate-size SIZE] [--rotate-time SECS] [--keep N]\n"
    "                     [--reconnect] [--time] [--utc] [--where] [--json] [--no-crlf] [--decode]\n"
    "Runs Wirelark's matcher over monitor logs saved by Wirelark, or over the live traffic of a\n"
    "bus probe on a serial port, and prints one line per hit, as the result list shows it.\n"
    "LOG - is standard input. --version says the version.\n"
    "  --config FILE       options from FILE, one a line (OPTION or OPTION VALUE; # comments)\n"
    "  --filters FILE      the search strings (default: Filter4.ini in the working directory)\n"
    "  --select N,...      the entries to search for, 1 = the file's first line\n"
    "  -e ENTRY            a search string as a line of Filter4.ini holds it: pattern;comment\n"
    "                      (repeatable; \"?\" accepts any one character)\n"
    "  --where             begin each line with LOG:LINE:COLUMN: or PORT:LINE:COLUMN:\n"
    "                      (monitor lines and columns counted from 1, as editors do)\n"
    "  -j JOBS             scan saved logs on this many cores (default: every core); the\n"
    "                      output is the same, in the same order\n"
    "  --pcap FILE         also write the transactions as pcapng for Wireshark and tshark\n"
    "                      (link type I2C; NACKs, STOPs and broken text in the comments);\n"
    "                      - writes it to standard output instead of the text;\n"
    "                      --force replaces an existing FILE\n"
    "  --decode            print every transaction, START to STOP, as one line, for example\n"
    "                        S 48 W A 00 A Sr 48 R A 19 A 80 N P\n"
    "                      S START, Sr repeated START, 7-bit address in hex, W write, R read,\n"
    "                      A ACK, N NACK, data bytes in hex, P STOP, (open) still going;\n"
    "                      text that breaks the probe's grammar: ! WHY: RAW CHARACTERS.\n"
    "                      Each hit's line follows its transaction's; search strings optional\n"
    "                      (then exit 0 when the input could be read, 2 on an error)\n"
    "Watching a port:\n"
    "  --port PORT         a COM number (3 or COM3, as Wirelark numbers ports) or a device path;\n"
    "                      opened at 115200 baud, no parity, 8 data bits, 1 stop bit\n"
    "  -m NUM              stop after NUM hits\n"
    "  --timeout SECONDS   wait at most this long for the hits (-m, else 1); none: exit 1\n"
    "  --duration SECONDS  watch this long, then stop\n"
    "  --rotate-size SIZE  with --save: a new file when the current one reaches SIZE (K, M, G)\n"
    "  --rotate-time SECS  with --save: a new file at every multiple of SECS on the clock (UTC;\n"
    "                      3600: on the hour). Files are named after the time they begin,\n"
    "                      board.log -> board-20261209T013000Z.log, and end at a line end\n"
    "  --keep N            with rotation: keep the newest N files of the capture's name, of every\n"
    "                      run; on a full disk the oldest make room for the newest\n"
    "  --reconnect         when the device goes away, wait for it and go on (its path is\n"
    "                      tried every half second; /dev/serial/by-id/ names stay the same);\n"
    "                      the gap counts as lost input\n"
    "  --save FILE         save everything received as the monitor's Save writes it, while it\n"
    "                      arrives (at least once a second); --force replaces an existing FILE\n"
    "  --time              begin each line with the seconds since the port was opened\n"
    "  --utc               times as the wall-clock time instead, ISO 8601 in UTC with\n"
    "                      microseconds (2026-12-09T01:30:00.250000Z); implies --time,\n"
    "                      and JSON records get it as \"utc\" beside \"t\"\n"
    "  --json              JSON Lines on standard output, one record a line, of the types open,\n"
    "                      hit, transaction, loss, gone, back, file, deleted, skipped and end\n"
    "  --no-crlf           lay out lines as with \"CRLF nach STOP\" cleared\n"
    "  --buffer-size BYTES the receive buffer (default 1048576, about 90 s at the line rate);\n"
    "                      when it is full the device waits\n"
    "Lost input and line errors are reported on standard error as they happen.\n"
    "Ctrl+C or SIGTERM stop cleanly.\n"
    "Exit status: 0 a hit (or the hits asked for), 1 no hit, 2 an error, or no hit after input\n"
    "was lost.\n";

QByteArray complaintLine(const QString& message)
{
    return "wirelark-scan: " + message.toLocal8Bit() + '\n';
}

void complain(const QString& message)
{
    standardstreams::writeError(complaintLine(message));
}

namespace {

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

bool parsePositive(const QString& option, const QString& text, double* value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    // Timers count milliseconds in 32 bits: about 24 days at most.
    if (!ok || !(*value > 0) || *value > 2e6) {
        complain(QStringLiteral("%1: \"%2\" is not a number of seconds from 0 to 2000000").arg(option, text));
        return false;
    }
    return true;
}

bool parseCount(const QString& option, const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    if (!ok || *value < 1) {
        complain(QStringLiteral("%1: \"%2\" is not a positive whole number").arg(option, text));
        return false;
    }
    return true;
}

// The arguments with every --config FILE replaced by the options the file holds: one a
// line, "OPTION" or "OPTION VALUE" (the value is the rest of the line, blanks and all, so
// that a search string with a comment needs no quotes); blank lines and lines beginning
// with # are skipped. False, after saying why, when a file cannot be read.
bool expandConfigFiles(const QStringList& arguments, QStringList* expanded)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--config") || i + 1 == arguments.size()) {
            *expanded << arguments[i];
            continue;
        }
        const QString name = arguments[++i];
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            complain(QStringLiteral("%1: %2").arg(name, file.errorString()));
            return false;
        }
        for (const QByteArray& raw : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const qsizetype blank = line.indexOf(u' ');
            if (blank < 0) {
                *expanded << line;
            } else {
                *expanded << line.left(blank) << line.mid(blank + 1).trimmed();
            }
        }
    }
    return true;
}

}  // namespace

bool parseScanOptions(const QStringList& given, ScanOptions* options, bool* help)
{
    QStringList arguments;
    if (!expandConfigFiles(given, &arguments))
        return false;
    static const QStringList takesValue = {"--config", "--filters", "--select", "-e", "--port", "--save",
                                           "-m", "--timeout", "--duration", "--buffer-size",
                                           "--rotate-size", "--rotate-time", "--keep", "--pcap", "-j"};
    // Options that only watching a port takes.
    static const QStringList liveOnly = {"-m", "--timeout", "--duration", "--save",
                                         "--time", "--utc", "--json", "--no-crlf", "--buffer-size", "--reconnect",
                                         "--rotate-size", "--rotate-time", "--keep"};
    QString firstLiveOnly;
    options->filters = filterfile::kFileName;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (liveOnly.contains(argument) && firstLiveOnly.isEmpty())
            firstLiveOnly = argument;
        if (takesValue.contains(argument) && i + 1 == arguments.size()) {
            complain(argument + QStringLiteral(" needs a value"));
            return false;
        }
        bool ok = true;
        if (argument == "--help" || argument == "-h") {
            *help = true;
            return true;
        } else if (argument == "--version") {
            options->version = true;
            return true;
        } else if (argument == "--filters") {
            options->filters = arguments[++i];
        } else if (argument == "--select") {
            ok = parseSelection(arguments[++i], &options->selected);
        } else if (argument == "-e") {
            options->expressions << arguments[++i];
        } else if (argument == "--where") {
            options->where = true;
        } else if (argument == "--decode") {
            options->decode = true;
        } else if (argument == "--port") {
            options->port = arguments[++i];
            ok = !options->port.isEmpty();
            if (!ok)
                complain(QStringLiteral("--port names no port"));
        } else if (argument == "--save") {
            options->save = arguments[++i];
        } else if (argument == "--pcap") {
            options->pcap = arguments[++i];
            ok = !options->pcap.isEmpty();
            if (!ok)
                complain(QStringLiteral("--pcap names no file (- is standard output)"));
        } else if (argument == "--force") {
            options->force = true;
        } else if (argument == "--time") {
            options->time = true;
        } else if (argument == "--reconnect") {
            options->reconnect = true;
        } else if (argument == "--utc") {
            options->time = true;
            options->utc = true;
        } else if (argument == "--json") {
            options->json = true;
        } else if (argument == "--no-crlf") {
            options->crlf = false;
        } else if (argument == "-m") {
            ok = parseCount(argument, arguments[++i], &options->maxHits);
        } else if (argument == "-j") {
            ok = parseCount(argument, arguments[++i], &options->jobs);
        } else if (argument == "--buffer-size") {
            ok = parseCount(argument, arguments[++i], &options->bufferSize);
        } else if (argument == "--timeout") {
            ok = parsePositive(argument, arguments[++i], &options->timeoutSeconds);
        } else if (argument == "--duration") {
            ok = parsePositive(argument, arguments[++i], &options->durationSeconds);
        } else if (argument == "--rotate-size") {
            const std::optional<qint64> size = parseByteSize(arguments[++i]);
            ok = size.has_value();
            options->rotateBytes = size.value_or(0);
            if (!ok)
                complain(QStringLiteral("--rotate-size takes a size: bytes, or a number with K, M or G"));
        } else if (argument == "--rotate-time") {
            int seconds = 0;
            ok = parseCount(argument, arguments[++i], &seconds);
            options->rotateSeconds = seconds;
        } else if (argument == "--keep") {
            ok = parseCount(argument, arguments[++i], &options->keep);
        } else if (argument.startsWith(u'-') && argument != "-") {
            complain(QStringLiteral("unknown option %1").arg(argument));
            return false;
        } else {
            options->logs << argument;
        }
        if (!ok)
            return false;
    }
    if (!options->searching() && !options->decoding()) {
        complain(QStringLiteral("no search string: give --select or -e (or --decode, --pcap)"));
        return false;
    }
    if (options->force && options->save.isEmpty() && options->pcap.isEmpty()) {
        complain(QStringLiteral("--force needs --save or --pcap"));
        return false;
    }
    if (!options->searching() && (options->maxHits > 0 || options->timeoutSeconds > 0)) {
        complain(QStringLiteral("-m and --timeout count hits: give --select or -e"));
        return false;
    }
    if (!options->selected.empty() && !options->expressions.isEmpty()) {
        complain(QStringLiteral("give either --select or -e, not both"));
        return false;
    }
    if (options->live()) {
        if (!options->logs.isEmpty()) {
            complain(QStringLiteral("--port watches a port: no log file as well"));
            return false;
        }
        if (options->jobs > 0) {
            complain(QStringLiteral("-j scans saved logs: a port is watched on one core"));
            return false;
        }

        if (options->rotating() && options->save.isEmpty()) {
            complain(QStringLiteral("--rotate-size and --rotate-time need --save"));
            return false;
        }
        if (options->keep > 0 && !options->rotating()) {
            complain(QStringLiteral("--keep needs --rotate-size or --rotate-time"));
            return false;
        }
        return true;
    }
    if (!firstLiveOnly.isEmpty()) {
        complain(firstLiveOnly + QStringLiteral(" needs --port"));
        return false;
    }
    if (options->logs.isEmpty()) {
        complain(QStringLiteral("no log file named (- is standard input)"));
        return false;
    }
    return true;
}

bool scanEntries(const ScanOptions& options, QList<NumberedEntry>* entries)
{
    if (!options.searching())
        return true;
    if (!options.expressions.isEmpty()) {
        for (qsizetype i = 0; i < options.expressions.size(); ++i)
            entries->append({static_cast<int>(i + 1), searchslot::split(options.expressions[i])});
        return true;
    }
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
        entries->append({number, searchslot::split(file.entries[number - 1])});
    }
    return true;
}
