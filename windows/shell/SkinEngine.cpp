#include "windows/shell/SkinEngine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyle>
#include <QStyleFactory>

#include <stdexcept>

void SkinEngine::loadSkin(const QString &path, const QString &schemeName)
{
    if (!schemeName.isEmpty())
        throw std::invalid_argument("The skin " + path.toStdString() + " has no colour scheme "
                                    + schemeName.toStdString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(QStringLiteral("Cannot read the skin %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    m_styleSheet = QString::fromUtf8(file.readAll());
    m_loaded = true;
}

void SkinEngine::apply() const
{
    if (!m_loaded)
        throw std::logic_error("No skin has been loaded");
    const QString fusion = QStringLiteral("Fusion");
    if (QApplication::style()->name().compare(fusion, Qt::CaseInsensitive) != 0) {
        if (QStyle *style = QStyleFactory::create(fusion))
            QApplication::setStyle(style);
    }
    qApp->setStyleSheet(m_styleSheet);
}
