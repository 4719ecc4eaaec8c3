#pragma once

#include "core/wordgen/WordEngine.h"
#include "office/LibreOfficeApplication.h"
#include "office/OfficeTimeLimits.h"

#include <QString>

#include <deque>
#include <memory>

class OfficeRetirement;
class ProfileSeed;

// The office engine of the program: every instance is a private, headless LibreOffice
// process of its own, driven through UNO.
//
// Instances can be got ready ahead (prepareAhead): two offices start in the background,
// the first opening the document it is given; createApplication() then hands them out in
// that order, once started, while they answer, and starts one as it comes otherwise. At
// the program's start one office starts ahead (startInstanceAhead) and the start-up check
// gives it back unused (keepUnused): it is the first ready office. Ready offices that
// no longer answer (stopped, hung) are replaced before the next build. Instances end in
// the background. When the engine goes, every office it started is ended at once.
class LibreOfficeEngine : public WordEngine
{
public:
    // officeProgram: the soffice.bin to run; the installed LibreOffice by default.
    explicit LibreOfficeEngine(QString officeProgram = defaultOfficeProgram(), OfficeTimeLimits limits = {});
    ~LibreOfficeEngine() override;

    std::unique_ptr<WordApplication> createApplication() override;
    void prepareAhead(const QByteArray &documentToOpen) override;
    void startInstanceAhead() override;
    void keepUnused(std::unique_ptr<WordApplication> application) override;
    void setPagePixelRatio(double ratio) override;
    // Ends the instances got ready ahead at once (benchmarks time what a person would
    // otherwise run on a machine without them); the next prepareAhead starts new ones.
    void discardReadyInstances();

    static QString defaultOfficeProgram();

private:
    struct ReadyInstance {
        std::unique_ptr<LibreOfficeApplication> instance;
        bool hasDocumentOpen;
        QByteArray document; // the one open
        // Has done one small job of each kind a build asks for; the office the start-up
        // check kept has not, until the first offices are got ready.
        bool warmedUp;
    };

    void dropUnusable(bool ask);
    LibreOfficeApplication::Setup setup() const;

    QString m_officeProgram;
    OfficeTimeLimits m_limits;
    // The first instance that ends cleanly leaves its set-up profile here, kept for later
    // runs; later instances start from a copy of it and skip the office's first-start set-up.
    std::shared_ptr<ProfileSeed> m_profileSeed;
    std::shared_ptr<OfficeRetirement> m_retirement;
    std::deque<ReadyInstance> m_ready;
    // Shared with every instance, which reads it when it pictures a page.
    std::shared_ptr<std::atomic<double>> m_pagePixelRatio = std::make_shared<std::atomic<double>>(1.0);
};
