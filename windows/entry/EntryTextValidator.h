#pragma once

#include <QValidator>

#include <functional>

// What a day box takes of what is typed, pasted or dropped into it: no control characters
// (PlainText::isControl: they would reach the settings file and every exported calendar),
// and no more than longestText characters. Where it leaves something out, it says what.
class EntryTextValidator : public QValidator
{
    Q_OBJECT

public:
    // The most a box holds: what a text box has always taken.
    static constexpr int longestText = 32767;

    struct LeftOut {
        bool controls = false; // control characters
        bool rest = false;     // what went past longestText
    };

    EntryTextValidator(std::function<void(LeftOut)> leftOut, QObject *parent);

    // Leaves the characters out, keeping the cursor after what was inserted; a text that
    // is too long loses what was inserted last, as a paste into a full box would.
    State validate(QString &input, int &position) const override;

private:
    std::function<void(LeftOut)> m_leftOut;
};
