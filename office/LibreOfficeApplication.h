#pragma once

#include "core/wordgen/WordApplication.h"
#include "office/OfficeTimeLimits.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>

class OfficeRetirement;
class ProfileSeed;

// One instance of the office engine: a private, headless LibreOffice process of its own,
// connected through UNO, with at most one document open at a time.
//
// Every call to the office runs on a thread of the instance while the caller's events keep
// flowing, within its time limit; an office that does not answer in time is killed. Once
// quit, every operation throws OfficeError; once the office has died or been stopped,
// OfficeInstanceLost. The office ends in quit() or when the instance is dropped; with a
// retirement service it ends in the background, so nobody waits for it.
class LibreOfficeApplication : public WordApplication
{
public:
    struct Setup {
        QString officeProgram;
        OfficeTimeLimits limits = {};
        // A set-up profile to start from, when there is one.
        std::shared_ptr<ProfileSeed> seed = nullptr;
        // Ends the office in the background; without one, ending waits for it.
        std::shared_ptr<OfficeRetirement> retirement = nullptr;
        // The device pixels of a screen pixel the page pictures are made for, as the window
        // layer last said (WordEngine::setPagePixelRatio); one without it.
        std::shared_ptr<const std::atomic<double>> pixelRatio = nullptr;
    };

    // Starts the office program and connects to it. Throws OfficeError when the program is
    // missing, ends while starting, or does not answer within the start limit.
    explicit LibreOfficeApplication(const Setup &setup);
    // Starts the office in the background and returns at once. Given a document, the office
    // there does one small job of each kind a build asks for on a copy of it (so that its
    // first real one is not slowed by loading the filters) and, with keepDocumentOpen, opens
    // it for the first openDocument() of a file of the same content to take over.
    static std::unique_ptr<LibreOfficeApplication> startInBackground(const Setup &setup, const QByteArray &document,
                                                                     bool keepDocumentOpen);
    ~LibreOfficeApplication() override;
    // Has an office started without a document do that one small job of each kind on a
    // copy of the document, in the background, after its start.
    void warmUpInBackground(const QByteArray &document);

    // False when a background start has failed or has not got the office answering within
    // the start limit, or when the office has died: such an instance is not worth handing
    // out. Never waits for the office.
    bool isUsable() const;
    // True when the office answers a short question within the check limit, or is still
    // starting within the start limit; an office that does not answer is killed and the
    // instance is lost. Waits at most the check limit.
    bool answers();
    // Waits, with events flowing, until a background start has got the office answering
    // (and done its warm-up), within the start limit: false when the start failed or did
    // not end in time (the office is then killed).
    bool finishesStart();
    // Ends an instance not worth asking: its office is killed, not asked to end.
    void discard();

    void openDocument(const QString &path, bool readOnly) override;
    void selectCell(int table, int row, int cell) override;
    void typeText(const QString &text) override;
    void fillColumn(int table, int firstRow, int cell, const QStringList &texts) override;
    void fillColumnRuns(int table, int firstRow, int cell, const QList<TextRuns> &cells) override;
    void setColumnParagraphStyles(int table, int firstRow, int cell, const QStringList &styles) override;
    void setBookmarkText(const QString &bookmark, const QString &text) override;
    void placePicture(const QString &bookmark, const QString &imagePath) override;
    void saveAs(const QString &path) override;
    void saveCopyAs(const QString &path, DocumentFormat format) override;
    void setDisplayAlerts(bool enabled) override;
    void closeDocument() override;
    void closeDocumentWithoutSaving() override;
    void quit() override;
    void repaginate() override;
    int pageCount() override;
    void copyAsPicture() override;
    void goToNextPage() override;
    void homeKeyExtend() override;
    void endKeyExtend() override;
    void deleteSelection() override;

private:
    class Instance;
    LibreOfficeApplication(std::unique_ptr<Instance> instance, std::shared_ptr<OfficeRetirement> retirement);
    // The instance until it has quit; throws OfficeError after.
    Instance &live();
    void end(bool killFirst);

    std::unique_ptr<Instance> m_instance;
    std::shared_ptr<OfficeRetirement> m_retirement;
};
