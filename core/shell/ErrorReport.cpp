#include "core/shell/ErrorReport.h"

#include "core/shell/UserMessages.h"
#include "core/shell/ProductInfo.h"

#include <QCoreApplication>

#include <exception>
#include <utility>

ErrorReport::ErrorReport(QString windowName, QString procedureName)
    : m_windowName(std::move(windowName))
    , m_procedureName(std::move(procedureName))
{
}

QString ErrorReport::location() const
{
    return ProductInfo::reportLocationPrefix + m_windowName + QLatin1Char('.') + m_procedureName + QLatin1Char(' ');
}

QString ErrorReport::text(const QString &description, const QString &location, int label)
{
    return description + QStringLiteral("\r\n") + location
        + QCoreApplication::translate("ErrorReport", "at line %1").arg(label) + QStringLiteral("\r\r")
        + QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to %1")
              .arg(ProductInfo::supportAddress);
}

void ErrorReport::report(int label, const QString &description) const
{
    const QString shown = text(description, location(), label);
    if (m_withheld)
        m_withheld->append(shown);
    else
        UserMessages::applicationError(shown);
}

ErrorReport ErrorReport::withholdingInto(QStringList &withheld) const
{
    ErrorReport withholding(*this);
    withholding.m_withheld = &withheld;
    return withholding;
}

bool ErrorReport::step(int label, const std::function<void()> &statement) const
{
    QString description;
    try {
        statement();
        return true;
    } catch (const std::exception &error) {
        description = QString::fromUtf8(error.what());
    } catch (...) {
        description = QCoreApplication::translate("ErrorReport", "Unknown error");
    }
    report(label, description);
    return false;
}
