#pragma once

#include <QString>

#include <optional>

class QWidget;

// The save dialog of the preview window: the platform's file dialog in save mode, set up
// through three properties and shown with showSave(), which leaves the chosen path in
// fileName() (empty when the user cancels).
//
// It suggests the "doc" suffix unless told another, starts in the user's documents folder
// and does not ask about overwriting: the preview window asks its own question. With
// several filters, the one chosen is told by selectedFilter(), and a name typed without a
// suffix gets the chosen filter's.
//
// Tests answer it without showing anything: setNextFileName() makes the next showSave()
// return that name at once, as chosen with the filter of that index (an empty name is a
// cancel), and lastShown() tells what the dialog was asked to show.
class SaveFileDialog
{
public:
    struct Request {
        QString title;
        QString filter; // in the dialog's own form, "Word Files (*.doc)"
        QString directory;
    };

    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString fileName() const { return m_fileName; }
    void setDialogTitle(const QString &title) { m_title = title; }
    // "Description|pattern[;pattern]" pairs, separated by '|'.
    void setFilter(const QString &filter) { m_filter = filter; }
    // Added to a chosen name that has no suffix of its own.
    void setDefaultSuffix(const QString &suffix) { m_defaultSuffix = suffix; }

    void showSave(QWidget *parent);
    // The index of the filter chosen with the last name, 0 for the first.
    int selectedFilter() const { return m_selectedFilter; }

    // "Word Files (*.doc)|*.doc" -> "Word Files (*.doc)"; several pairs become several
    // entries separated by ";;".
    static QString toDialogFilter(const QString &filter);
    static QString startDirectory();

    static void setNextFileName(const QString &fileName, int filterIndex = 0);
    static std::optional<Request> lastShown();

private:
    QString m_fileName;
    QString m_title;
    QString m_filter;
    QString m_defaultSuffix = QStringLiteral("doc");
    int m_selectedFilter = 0;
};
