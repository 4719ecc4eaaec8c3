#pragma once

#include "core/WordApplication.h"
#include "office/OfficeTimeLimits.h"

#include <QString>

#include <memory>

class ProfileSeed;

// One instance of the office engine: a private, headless LibreOffice process of its own,
// connected through UNO, with at most one document open at a time.
//
// Every call to the office runs on a thread of the instance while the caller's events keep
// flowing, within its time limit; an office that does not answer in time is killed. The
// process ends in quit(); should quit() never be reached (a failure on the way), the
// destructor ends it. Once quit, every operation throws OfficeError; once the office has
// died or been stopped, OfficeInstanceLost.
class LibreOfficeApplication : public WordApplication
{
public:
    // Starts the office program and connects to it. Throws OfficeError when the program is
    // missing, ends while starting, or does not answer within the start limit. With a seed,
    // the office starts from a copy of an already set-up profile when there is one.
    LibreOfficeApplication(const QString &officeProgram, const OfficeTimeLimits &limits,
                           std::shared_ptr<ProfileSeed> seed = nullptr);
    ~LibreOfficeApplication() override;

    void openDocument(const QString &path, bool readOnly) override;
    void selectCell(int table, int row, int cell) override;
    void typeText(const QString &text) override;
    void saveAs(const QString &path) override;
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
    class Private;
    std::unique_ptr<Private> d;
};
