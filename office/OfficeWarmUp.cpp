#include "office/OfficeWarmUp.h"

#include "office/OfficeDocument.h"

#include <QFile>
#include <QScopeGuard>

std::unique_ptr<OfficeDocument> OfficeWarmUp::run(const css::uno::Reference<css::frame::XDesktop2> &desktop,
                                                  const QString &scratchFolder, const QByteArray &content, bool keepOpen)
{
    const QString copy = scratchFolder + QStringLiteral("/document.dot");
    const QString saved = scratchFolder + QStringLiteral("/warm-up.doc");
    const QString laidOut = scratchFolder + QStringLiteral("/warm-up.pdf");
    const auto removeFiles = qScopeGuard([&] {
        for (const QString &file : {copy, saved, laidOut})
            QFile::remove(file);
    });
    QFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return nullptr;
    file.close();
    OfficeDocument filled(desktop, copy, true);
    filled.saveAs(saved);
    filled.close();
    OfficeDocument reloaded(desktop, saved, false);
    reloaded.exportPdf(laidOut);
    reloaded.close();
    if (!keepOpen)
        return nullptr;
    return std::make_unique<OfficeDocument>(desktop, copy, true);
}
