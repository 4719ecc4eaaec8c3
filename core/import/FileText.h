#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The text of a file a person brings in, whatever program wrote it: a UTF-8 or UTF-16
// byte-order mark is honoured, UTF-16 without one is recognised by its zero bytes, UTF-8
// is taken where the bytes are valid UTF-8, and any other bytes are decoded in the
// single-byte encoding that reads most like names and words (uchardet's guess, Windows-1252
// or Mac Roman).
namespace FileText {

// The bytes as the readers take them: without a UTF-8 byte-order mark, and UTF-16 (either
// byte order, marked or not) turned into UTF-8.
QByteArray withoutByteOrderMark(const QByteArray &bytes);

// The encoding the bytes are most likely written in, as a name QStringDecoder knows:
// "UTF-8" for bytes that are all valid UTF-8. Decided once for a whole file, so that short values are
// read alike.
QByteArray guessedEncoding(QByteArrayView bytes);

// UTF-8 where the bytes are valid UTF-8, otherwise decoded as `encoding`.
QString decoded(QByteArrayView bytes, const QByteArray &encoding);

// The whole file's text, by the rules above.
QString text(const QByteArray &bytes);

} // namespace FileText
