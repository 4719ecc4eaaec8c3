#include "windows/widgets/CommonDialog.h"

#include <QFileInfo>
#include <QRegularExpression>

QString CommonDialog::chooseSaveName(QWidget *parent, const SaveRequest &request)
{
    const SaveAnswer answer = showSave(parent, request);
    if (answer.fileName.isEmpty() || !QFileInfo(answer.fileName).suffix().isEmpty())
        return answer.fileName;
    // The suffix of the filter's first pattern: "Calendar Files (*.ics)" -> "ics".
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    const QString suffix = firstPattern.match(request.filters.value(answer.filter)).captured(1);
    return suffix.isEmpty() ? answer.fileName : answer.fileName + QLatin1Char('.') + suffix;
}
