#include "app/CommandLine.h"

#include "core/entry/CalendarOptions.h"
#include "core/entry/PicturePlaces.h"
#include "core/wordgen/CalendarDesigns.h"
#include "core/wordgen/DocumentFormat.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <optional>

namespace {

std::optional<SlashOrder> slashOrderNamed(const QString &name)
{
    if (name == QLatin1String("dmy"))
        return SlashOrder::DayFirst;
    if (name == QLatin1String("mdy"))
        return SlashOrder::MonthFirst;
    return std::nullopt;
}

// The options, each with the mode it asks for (none for one that goes with a mode).
struct Options {
    QCommandLineOption exportFile{QStringLiteral("export"), QString(), QStringLiteral("FILE")};
    QCommandLineOption exportDates{QStringLiteral("export-dates"), QString(), QStringLiteral("FILE")};
    QCommandLineOption import{QStringLiteral("import")};
    QCommandLineOption paper{QStringLiteral("paper"), QString(), QStringLiteral("SIZE")};
    QCommandLineOption design{QStringLiteral("design"), QString(), QStringLiteral("NAME")};
    QCommandLineOption year{QStringLiteral("year"), QString(), QStringLiteral("YEAR")};
    QCommandLineOption picture{QStringLiteral("picture"), QString(), QStringLiteral("PLACE=FILE")};
    QCommandLineOption dateOrder{QStringLiteral("date-order"), QString(), QStringLiteral("ORDER")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    QList<const QCommandLineOption *> valued() const
    {
        return {&exportFile, &exportDates, &paper, &design, &year, &picture, &dateOrder};
    }

    struct ModeOption {
        const QCommandLineOption &option;
        CommandLine::Mode mode;
    };
    QList<ModeOption> modes() const
    {
        return {{help, CommandLine::Mode::Help},
                {version, CommandLine::Mode::Version},
                {exportFile, CommandLine::Mode::Export},
                {exportDates, CommandLine::Mode::ExportDates},
                {import, CommandLine::Mode::Import}};
    }
};

// The option an argument names ("export" for "--export=x.pdf", "h" for "-h"); empty for one
// that is no option.
QString optionNamed(const QString &argument)
{
    if (!argument.startsWith(u'-') || argument.size() < 2)
        return QString();
    return argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
}

// "--export" for "export", "-h" for "h".
QString asTyped(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
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
    const Options options;
    QCommandLineParser parser;
    parser.addOptions({options.exportFile, options.exportDates, options.import, options.paper, options.design, options.year,
                       options.picture, options.dateOrder, options.help, options.version});
    const auto needsValue = [&](const QString &name) -> QString {
        if (options.exportFile.names().contains(name) || options.exportDates.names().contains(name))
            return tr("%1 needs a file name").arg(asTyped(name));
        if (options.paper.names().contains(name))
            return tr("--paper needs a paper size: %1").arg(PaperSizes::knownNames());
        if (options.design.names().contains(name))
            return tr("--design needs a design: %1").arg(CalendarDesigns::knownNames());
        if (options.year.names().contains(name))
            return tr("--year needs a year from %1 to %2, or every").arg(CalendarOptions::earliestYear).arg(CalendarOptions::latestYear);
        if (options.picture.names().contains(name))
            return tr("--picture needs a place and a file: cover=FILE, 1=FILE … 12=FILE");
        return tr("--date-order needs an order: dmy or mdy");
    };
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return mistake(tr("unknown option '%1'").arg(asTyped(parser.unknownOptionNames().constFirst())));
        // An option that takes a value, given last without one; else Qt's own words.
        const QString last = arguments.constLast();
        const QList<const QCommandLineOption *> valued = options.valued();
        const bool valueMissing = !last.contains(u'=') && std::any_of(valued.cbegin(), valued.cend(), [&](const QCommandLineOption *option) {
            return option->names().contains(optionNamed(last));
        });
        return mistake(valueMissing ? needsValue(optionNamed(last)) : parser.errorText());
    }

    // One mode at most; a second is an argument too many.
    QStringList modeOptions;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        for (const Options::ModeOption &mode : options.modes())
            if (mode.option.names().contains(optionNamed(argument)))
                modeOptions.append(argument.section(u'=', 0, 0));
    }
    if (modeOptions.size() > 1)
        return mistake(tr("unexpected argument '%1'").arg(modeOptions.at(1)));
    for (const Options::ModeOption &mode : options.modes())
        if (parser.isSet(mode.option))
            line.m_mode = mode.mode;

    for (const QCommandLineOption *file : {&options.exportFile, &options.exportDates})
        if (parser.isSet(*file) && (line.m_value = parser.value(*file)).isEmpty())
            return mistake(needsValue(file->names().constFirst()));
    line.m_files = parser.positionalArguments();
    if (line.m_mode == Mode::Import && line.m_files.isEmpty())
        return mistake(tr("--import needs at least one file"));
    if (line.m_mode != Mode::Import && !line.m_files.isEmpty())
        return mistake(line.m_mode == Mode::Window ? tr("unknown option '%1'").arg(line.m_files.constFirst())
                                                   : tr("unexpected argument '%1'").arg(line.m_files.constFirst()));

    // The options of an export (with --help or --version they are let be).
    const bool exporting = line.m_mode == Mode::Export || line.m_mode == Mode::Help || line.m_mode == Mode::Version;
    if (parser.isSet(options.paper)) {
        const QString name = parser.value(options.paper);
        if (name.isEmpty())
            return mistake(needsValue(QStringLiteral("paper")));
        line.m_paper = PaperSizes::fromName(name);
        if (!line.m_paper)
            return mistake(tr("unknown paper size '%1': use %2").arg(name, PaperSizes::knownNames()));
        if (!exporting)
            return mistake(tr("--paper goes with --export"));
    }
    if (parser.isSet(options.design)) {
        const QString name = parser.value(options.design);
        if (name.isEmpty())
            return mistake(needsValue(QStringLiteral("design")));
        if (!CalendarDesigns::named(name))
            return mistake(tr("unknown design '%1': use %2").arg(name, CalendarDesigns::knownNames()));
        line.m_design = name;
        if (!exporting)
            return mistake(tr("--design goes with --export"));
    }
    if (parser.isSet(options.year)) {
        const QString text = parser.value(options.year);
        bool isNumber = false;
        const int year = text.toInt(&isNumber);
        if (text == QLatin1String("every"))
            line.m_year = std::optional<int>();
        else if (isNumber && year >= CalendarOptions::earliestYear && year <= CalendarOptions::latestYear)
            line.m_year = std::optional<int>(year);
        else
            return mistake(needsValue(QStringLiteral("year")));
        if (!exporting)
            return mistake(tr("--year goes with --export"));
    }
    for (const QString &choice : parser.values(options.picture)) {
        const std::optional<int> place = PicturePlaces::fromKey(choice.section(u'=', 0, 0));
        const QString file = choice.section(u'=', 1);
        if (!choice.contains(u'=') || !place || file.isEmpty())
            return mistake(needsValue(QStringLiteral("picture")));
        line.m_pictures.insert(*place, file);
        if (!exporting)
            return mistake(tr("--picture goes with --export"));
    }
    if (parser.isSet(options.dateOrder)) {
        const QString order = parser.value(options.dateOrder);
        if (order.isEmpty())
            return mistake(needsValue(QStringLiteral("date-order")));
        const std::optional<SlashOrder> named = slashOrderNamed(order);
        if (!named)
            return mistake(tr("unknown date order '%1': use dmy or mdy").arg(order));
        line.m_dateOrder = *named;
        if (line.m_mode != Mode::Import)
            return mistake(tr("--date-order goes with --import"));
    }
    return line;
}

QString CommandLine::usage()
{
    // One text an option, so that a new option leaves the others' translations as they are.
    return tr("Usage: daybloom [--export FILE [--paper SIZE] | --export-dates FILE |\n"
              "                --import [--date-order ORDER] FILE…]\n")
        + tr("       daybloom --export FILE [--design NAME] [--year YEAR] [--picture PLACE=FILE]…\n")
        + tr("Makes a printable calendar of the family's dates.\n"
             "\n"
             "Without options the main window opens.\n"
             "\n")
        + tr("  --export FILE   build the calendar from the stored entries, without a window,\n"
             "                  and write FILE in the format of its suffix:\n"
             "%1"
             "                  The stored entries are read, never changed.\n")
              .arg(DocumentFormats::usageList(QStringLiteral("                    ")))
        + tr("  --paper SIZE    with --export: lay the calendar out on letter, a4 or a5 paper\n"
             "                  rather than the paper chosen in the window (or, until one is\n"
             "                  chosen, the paper usual in the locale)\n")
        + tr("  --design NAME   with --export: the calendar's design rather than the one chosen in\n"
             "                  the window: %1\n")
              .arg(CalendarDesigns::knownNames())
        + tr("  --year YEAR     with --export: the calendar for that year, with weekdays, ages and\n"
             "                  milestones, or every for the calendar of every year, rather than\n"
             "                  the edition chosen in the window\n")
        + tr("  --picture PLACE=FILE\n"
             "                  with --export: the picture of a place (cover, or 1 to 12 for the\n"
             "                  months) for this calendar only; given again for each place\n")
        + tr("  --export-dates FILE\n"
             "                  write every day that holds an entry to FILE, for calendar\n"
             "                  programs (.ics: a yearly all-day event per day, and one for each\n"
             "                  part that gives its year, starting in that year) or spreadsheets\n"
             "                  (.csv: the columns Month, Day, Entry and Year)\n")
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
