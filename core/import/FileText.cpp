#include "core/import/FileText.h"

#include <QList>
#include <QStringDecoder>

#include <uchardet/uchardet.h>

#include <memory>
#include <optional>
#include <type_traits>

namespace {

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

// UTF-16 written without a byte-order mark, as some spreadsheets save "Unicode text": zero
// bytes on one side of the pairs (the high byte of Latin text), none on the other.
std::optional<QStringConverter::Encoding> unmarkedUtf16(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(qMin<qsizetype>(bytes.size(), 4096) & ~qsizetype(1));
    qsizetype zerosFirst = 0;
    qsizetype zerosSecond = 0;
    for (qsizetype i = 0; i + 1 < start.size(); i += 2) {
        zerosFirst += start.at(i) == '\0' ? 1 : 0;
        zerosSecond += start.at(i + 1) == '\0' ? 1 : 0;
    }
    const qsizetype pairs = start.size() / 2;
    if (pairs == 0 || (zerosFirst > 0) == (zerosSecond > 0))
        return std::nullopt;
    if (4 * (zerosFirst + zerosSecond) < pairs)
        return std::nullopt;
    return zerosSecond > 0 ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

// How much a decoding reads like names and words: a letter beyond ASCII counts for it,
// unless it is a capital right after a small letter; a control character or an undefined
// byte counts against it, as does a symbol standing between two letters (an apostrophe
// may).
int plausibility(const QString &text)
{
    int score = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() < 0x80)
            continue;
        const QChar before = i > 0 ? text.at(i - 1) : QChar();
        const QChar after = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (ch == QChar::ReplacementCharacter || ch.category() == QChar::Other_Control
            || ch.category() == QChar::Other_NotAssigned)
            score -= 2;
        else if (ch.isLetter())
            score += before.isLower() && ch.isUpper() ? -1 : 1;
        else if (before.isLetter() && after.isLetter() && ch != u'\u2019' && ch != u'\u2018')
            score -= 1;
    }
    return score;
}

QByteArray uchardetGuess(QByteArrayView bytes)
{
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, decltype(&uchardet_delete)> detector(uchardet_new(),
                                                                                                 uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(), size_t(bytes.size())) != 0)
        return {};
    uchardet_data_end(detector.get());
    return QByteArray(uchardet_get_charset(detector.get()));
}

} // namespace

QByteArray FileText::withoutByteOrderMark(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return bytes.mid(3);
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        if (bytes.startsWith(encoding == QStringConverter::Utf16LE ? "\xFF\xFE" : "\xFE\xFF")) {
            QStringDecoder decoder(encoding);
            return QString(decoder(QByteArrayView(bytes).sliced(2))).toUtf8();
        }
    }
    if (const std::optional<QStringConverter::Encoding> encoding = unmarkedUtf16(bytes)) {
        QStringDecoder decoder(*encoding);
        return QString(decoder(bytes)).toUtf8();
    }
    return bytes;
}

QByteArray FileText::guessedEncoding(QByteArrayView bytes)
{
    if (isUtf8(bytes))
        return "UTF-8";
    // uchardet tells the families of encodings apart well, but short Western names fool
    // it among its single-byte members: its guess competes with the two encodings most
    // such files are written in, and the one that reads most like words wins; a tie goes
    // to the earlier.
    QList<QByteArray> candidates{"windows-1252", "macintosh"};
    if (const QByteArray guess = uchardetGuess(bytes);
        !guess.isEmpty() && guess != "ASCII" && guess.compare("UTF-8", Qt::CaseInsensitive) != 0
        && QStringDecoder(guess.constData()).isValid())
        candidates.append(guess);
    QByteArray best;
    int bestScore = 0;
    for (const QByteArray &candidate : candidates) {
        QStringDecoder decoder(candidate.constData());
        const int score = plausibility(decoder(bytes));
        if (best.isEmpty() || score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

QString FileText::decoded(QByteArrayView bytes, const QByteArray &encoding)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder named(encoding.constData());
    return named.isValid() ? QString(named(bytes)) : QString::fromLatin1(bytes);
}

QString FileText::text(const QByteArray &bytes)
{
    const QByteArray plain = withoutByteOrderMark(bytes);
    return decoded(plain, guessedEncoding(plain));
}
