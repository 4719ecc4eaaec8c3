#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>
#include <QStringList>

// Reads the day entries of one section of an INI file line by line, as a person would,
// for the files QSettings reads differently from what they say: a file damaged by stray
// bytes, where QSettings may lose a section, and a value edited by hand, such as
// "Mom, Dad Birthday" written without quotes, which QSettings reads as a list.
//
// Every physical line stands alone (a quote never runs on into the next line), a line
// "[name]" starts a section, and only "txtXxxN=value" lines of the wanted section count.
// Values are decoded as QSettings writes them (quotes, backslash escapes, "@@" for a
// leading "@", UTF-8), except that a comma is just a character and bytes that are not
// UTF-8 are read as Windows-1252, as the editor that wrote them meant them.
class LenientIniReader
{
public:
    // The entry lines of one section, however many times its heading is written.
    struct Section {
        QMap<QString, QString> entries; // key → text; a key written twice keeps its last line
        QStringList repeatedKeys;       // the keys written on more than one line, in file order
        int headings = 0;               // how many times the section's heading is written
    };
    static Section section(const QByteArray &fileBytes, const QString &name);

    // The entries of section(): key → text.
    static QMap<QString, QString> entries(const QByteArray &fileBytes, const QString &section);

    // The text of one value as written after the "=" of its line.
    static QString valueText(QByteArrayView value);

    // A section or key name as QSettings writes it: "%20" for a blank, "%U00E9" beyond Latin-1.
    static QString unescapedName(QByteArrayView name);
};
