#include "app/CommandLine.h"

#include <optional>

namespace {

// The mode of an option followed by a file, as "--export FILE" or "--export=FILE".
std::optional<CommandLine::Mode> fileOption(const QString &argument)
{
    const QString option = argument.section(u'=', 0, 0);
    if (option == QLatin1String("--export"))
        return CommandLine::Mode::Export;
    if (option == QLatin1String("--export-dates"))
        return CommandLine::Mode::ExportDates;
    return std::nullopt;
}

// "--name VALUE" or "--name=VALUE" at arguments[i]: the value, i moved past it; an empty
// value when none follows. Nothing when the argument is another one.
std::optional<QString> optionValue(const QStringList &arguments, qsizetype &i, const QString &name)
{
    const QString &argument = arguments.at(i);
    if (argument.startsWith(name + u'='))
        return argument.mid(name.size() + 1);
    if (argument != name)
        return std::nullopt;
    return i + 1 < arguments.size() ? arguments.at(++i) : QString();
}

std::optional<SlashOrder> slashOrderNamed(const QString &name)
{
    if (name == QLatin1String("dmy"))
        return SlashOrder::DayFirst;
    if (name == QLatin1String("mdy"))
        return SlashOrder::MonthFirst;
    return std::nullopt;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    const auto mistake = [&line](const QString &what) {
        line.m_mode = Mode::Mistake;
        line.m_value = what;
        return line;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--paper") || argument.startsWith(QLatin1String("--paper="))) {
            const bool joined = argument.startsWith(QLatin1String("--paper="));
            const QString name = joined ? argument.mid(8) : i + 1 < arguments.size() ? arguments.at(++i) : QString();
            if (name.isEmpty())
                return mistake(tr("--paper needs a paper size: %1").arg(PaperSizes::knownNames()));
            line.m_paper = PaperSizes::fromName(name);
            if (!line.m_paper)
                return mistake(tr("unknown paper size '%1': use %2").arg(name, PaperSizes::knownNames()));
            continue;
        }
        if (const std::optional<QString> order = optionValue(arguments, i, QStringLiteral("--date-order"))) {
            if (order->isEmpty())
                return mistake(tr("--date-order needs an order: dmy or mdy"));
            const std::optional<SlashOrder> named = slashOrderNamed(*order);
            if (!named)
                return mistake(tr("unknown date order '%1': use dmy or mdy").arg(*order));
            line.m_dateOrder = *named;
            line.m_dateOrderGiven = true;
            continue;
        }
        if (line.m_mode == Mode::Import) {
            line.m_files.append(argument);
            continue;
        }
        if (line.m_mode != Mode::Window)
            return mistake(tr("unexpected argument '%1'").arg(argument));
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            line.m_mode = Mode::Help;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            line.m_mode = Mode::Version;
        } else if (const auto fileMode = fileOption(argument)) {
            const QString option = argument.section(u'=', 0, 0);
            const bool joined = argument.contains(u'=');
            if (!joined && i + 1 >= arguments.size())
                return mistake(tr("%1 needs a file name").arg(option));
            line.m_value = joined ? argument.section(u'=', 1) : arguments.at(++i);
            if (line.m_value.isEmpty())
                return mistake(tr("%1 needs a file name").arg(option));
            line.m_mode = *fileMode;
        } else if (argument == QLatin1String("--import")) {
            // Every later argument is a file to read, but for --date-order.
            line.m_mode = Mode::Import;
        } else {
            return mistake(tr("unknown option '%1'").arg(argument));
        }
    }
    if (line.m_mode == Mode::Import && line.m_files.isEmpty())
        return mistake(tr("--import needs at least one file"));
    if (line.m_paper && (line.m_mode == Mode::Window || line.m_mode == Mode::ExportDates || line.m_mode == Mode::Import))
        return mistake(tr("--paper goes with --export"));
    if (line.m_dateOrderGiven && line.m_mode != Mode::Import)
        return mistake(tr("--date-order goes with --import"));
    return line;
}

QString CommandLine::usage()
{
    // One text an option, so that a new option leaves the others' translations as they are.
    return tr("Usage: daybloom [--export FILE [--paper SIZE] | --export-dates FILE |\n"
              "                --import [--date-order ORDER] FILE…]\n")
        + tr("Makes a printable calendar of the family's dates.\n"
             "\n"
             "Without options the main window opens.\n"
             "\n")
        + tr("  --export FILE   build the calendar from the stored entries, without a window,\n"
             "                  and write FILE in the format of its suffix: .doc (Word\n"
             "                  97-2003), .docx (Word 2007-365), .odt (OpenDocument Text) or\n"
             "                  .pdf. The stored entries are read, never changed.\n")
        + tr("  --paper SIZE    with --export: lay the calendar out on letter, a4 or a5 paper\n"
             "                  rather than the paper chosen in the window (or, until one is\n"
             "                  chosen, the paper usual in the locale)\n")
        + tr("  --export-dates FILE\n"
             "                  write every day that holds an entry to FILE, for calendar\n"
             "                  programs (.ics: a yearly all-day event per day) or spreadsheets\n"
             "                  (.csv: the columns Month, Day and Entry)\n")
        + tr("  --import FILE…  add the dates of contacts (.vcf), spreadsheet (.csv) or\n"
             "                  calendar (.ics) files to the stored entries, without a window,\n"
             "                  and print what was added and what was skipped\n")
        + tr("  --date-order ORDER  with --import: read dates such as 04/05/1990 as dmy (day\n"
             "                  first) or mdy (month first); without it a file that could be\n"
             "                  read either way is refused\n")
        + tr("  -h, --help      show this help and exit\n"
             "  -v, --version   show the version and exit\n"
             "\n")
        + tr("Exit status: 0 on success; 1 when the calendar or the dates cannot be written or a\n"
             "file cannot be read (the cause is printed); 2 for a command line that is not\n"
             "understood.\n");
}
