#include "core/shell/PlainText.h"

QString PlainText::asTyped(QString text)
{
    for (QChar &ch : text) {
        if (ch.category() == QChar::Other_Control || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            ch = u' ';
    }
    return text.simplified();
}
