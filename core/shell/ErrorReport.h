#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Runs the labelled statements of a guarded procedure. When a statement fails, the user
// sees one report box naming the procedure and the label, and the procedure goes on
// with its next statement: one failure never stops the rest of the sequence.
class ErrorReport
{
public:
    ErrorReport(QString windowName, QString procedureName);

    // Runs one statement; returns false when it failed (the report has been shown).
    bool step(int label, const std::function<void()> &statement) const;

    // Shows the report for a failure that the caller detected itself.
    void report(int label, const QString &description) const;

    // The same procedure's report that keeps the text of each failure in withheld instead
    // of showing it: for a try that is made once more when it fails.
    ErrorReport withholdingInto(QStringList &withheld) const;
    // Shows the failures from now on, as the report it was made from does.
    void stopWithholding() { m_withheld = nullptr; }

    // "description CR LF in Tessaly2021/08/31.Window.Procedure at line N CR CR Please email …"
    static QString text(const QString &description, const QString &location, int label);

    QString location() const;

private:
    QString m_windowName;
    QString m_procedureName;
    QStringList *m_withheld = nullptr;
};
