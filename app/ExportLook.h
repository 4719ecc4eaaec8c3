#pragma once

#include "core/wordgen/CalendarLook.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

class CommandLine;

// How the calendar of one export from the command line looks: as chosen in the window,
// with what the command line asks for instead (a paper, a design, a year, pictures). The
// pictures given are prepared for their places in the private temporary folder, where they
// stay for as long as the export runs; the person's kept pictures are left as they are.
class ExportLook
{
    Q_DECLARE_TR_FUNCTIONS(ExportLook)

public:
    // Throws std::runtime_error naming the cause: a picture that cannot be used (its file
    // and the reason), a place the design does not have.
    static CalendarLook of(const CommandLine &command);

private:
    static QString preparedPicture(const CalendarLook &look, int place, const QString &file);
};
