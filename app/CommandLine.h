#pragma once

#include "core/import/SlashOrder.h"
#include "core/shell/PaperSize.h"

#include <QCoreApplication>

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do on its command line.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Mode { Window, Export, ExportDates, Import, Help, Version, Mistake };

    static CommandLine parse(const QStringList &arguments);

    Mode mode() const { return m_mode; }
    // The file to write (Export, ExportDates), or what was wrong (Mistake).
    QString value() const { return m_value; }
    // The files to read (Import).
    QStringList files() const { return m_files; }
    // The paper asked for (Export); none: the chosen one.
    std::optional<PaperSize> paper() const { return m_paper; }
    // The design asked for (Export); none: the chosen one.
    std::optional<QString> design() const { return m_design; }
    // The year asked for (Export): a year, or nothing for every year (--year every); none:
    // the chosen one.
    std::optional<std::optional<int>> year() const { return m_year; }
    // The pictures asked for (Export), by place (PicturePlaces): the file of each.
    QMap<int, QString> pictures() const { return m_pictures; }
    // How the files write 04/05/1990 (Import): Ask, unless --date-order says.
    SlashOrder dateOrder() const { return m_dateOrder; }

    static QString usage();

private:
    Mode m_mode = Mode::Window;
    QString m_value;
    QStringList m_files;
    std::optional<PaperSize> m_paper;
    std::optional<QString> m_design;
    std::optional<std::optional<int>> m_year;
    QMap<int, QString> m_pictures;
    SlashOrder m_dateOrder = SlashOrder::Ask;
    bool m_dateOrderGiven = false;
};
