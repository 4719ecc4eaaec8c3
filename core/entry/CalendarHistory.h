#pragma once

#include <QList>
#include <QString>

#include <functional>

class DayEntries;

// The changes that touch many days at once (clearing, the samples, an import), each one
// step that can be taken back and done again as a whole. Typing in a box is not kept here:
// the box keeps its own undo.
class CalendarHistory
{
public:
    // Runs the change on the entries and keeps what it did to every day as one step named
    // by what (shown in notices: "Calendar cleared"). A change that changes nothing leaves
    // no step: false then.
    bool record(const QString &what, DayEntries &entries, const std::function<void()> &change);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The names of the steps undo() and redo() would take; empty when there is none.
    QString undoName() const { return canUndo() ? m_steps.at(m_done - 1).what : QString(); }
    QString redoName() const { return canRedo() ? m_steps.at(m_done).what : QString(); }
    // Take back the last step, or do again the last one taken back; the name of the step,
    // empty when there was none.
    QString undo(DayEntries &entries);
    QString redo(DayEntries &entries);

private:
    struct DayChange {
        int month;
        int index;
        QString before;
        QString after;
    };
    struct Step {
        QString what;
        QList<DayChange> changes;
    };

    QList<Step> m_steps;
    qsizetype m_done = 0; // steps done; those after are taken back and can be done again
};
