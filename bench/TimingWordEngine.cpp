#include "TimingWordEngine.h"

namespace {

class TimingWordApplication : public WordApplication
{
    // Defined first: the operations below return what it returns.
    template<typename Operation>
    auto run(const QString &name, Operation &&operation)
    {
        return m_timing.timed(m_instance, name, std::forward<Operation>(operation));
    }

public:
    TimingWordApplication(TimingWordEngine &timing, std::unique_ptr<WordApplication> inner, int instance)
        : m_timing(timing)
        , m_inner(std::move(inner))
        , m_instance(instance)
    {
    }

    // Releasing the instance hands its process over to be ended in the background; the time
    // is what the caller waits for that.
    ~TimingWordApplication() override
    {
        m_timing.timed(m_instance, QStringLiteral("release"), [this] { m_inner.reset(); });
    }

    void openDocument(const QString &path, bool readOnly) override
    {
        run(QStringLiteral("openDocument"), [&] { m_inner->openDocument(path, readOnly); });
    }
    void selectCell(int table, int row, int cell) override
    {
        run(QStringLiteral("selectCell"), [&] { m_inner->selectCell(table, row, cell); });
    }
    void typeText(const QString &text) override
    {
        run(QStringLiteral("typeText"), [&] { m_inner->typeText(text); });
    }
    void fillColumn(int table, int firstRow, int cell, const QStringList &texts) override
    {
        run(QStringLiteral("fillColumn"), [&] { m_inner->fillColumn(table, firstRow, cell, texts); });
    }
    void fillColumnRuns(int table, int firstRow, int cell, const QList<TextRuns> &cells) override
    {
        run(QStringLiteral("fillColumnRuns"), [&] { m_inner->fillColumnRuns(table, firstRow, cell, cells); });
    }
    void setColumnParagraphStyles(int table, int firstRow, int cell, const QStringList &styles) override
    {
        run(QStringLiteral("setColumnParagraphStyles"), [&] { m_inner->setColumnParagraphStyles(table, firstRow, cell, styles); });
    }
    void setBookmarkText(const QString &bookmark, const QString &text) override
    {
        run(QStringLiteral("setBookmarkText"), [&] { m_inner->setBookmarkText(bookmark, text); });
    }
    void placePicture(const QString &bookmark, const QString &imagePath) override
    {
        run(QStringLiteral("placePicture"), [&] { m_inner->placePicture(bookmark, imagePath); });
    }
    void saveAs(const QString &path) override
    {
        run(QStringLiteral("saveAs"), [&] { m_inner->saveAs(path); });
    }
    void saveCopyAs(const QString &path, DocumentFormat format) override
    {
        run(QStringLiteral("saveCopyAs"), [&] { m_inner->saveCopyAs(path, format); });
    }
    void setDisplayAlerts(bool enabled) override
    {
        run(QStringLiteral("setDisplayAlerts"), [&] { m_inner->setDisplayAlerts(enabled); });
    }
    void closeDocument() override
    {
        run(QStringLiteral("closeDocument"), [&] { m_inner->closeDocument(); });
    }
    void closeDocumentWithoutSaving() override
    {
        run(QStringLiteral("closeDocumentWithoutSaving"), [&] { m_inner->closeDocumentWithoutSaving(); });
    }
    void quit() override
    {
        run(QStringLiteral("quit"), [&] { m_inner->quit(); });
    }
    void repaginate() override
    {
        run(QStringLiteral("repaginate"), [&] { m_inner->repaginate(); });
    }
    int pageCount() override
    {
        return run(QStringLiteral("pageCount"), [&] { return m_inner->pageCount(); });
    }
    void copyAsPicture() override
    {
        run(QStringLiteral("copyAsPicture"), [&] { m_inner->copyAsPicture(); });
    }
    void goToNextPage() override
    {
        run(QStringLiteral("goToNextPage"), [&] { m_inner->goToNextPage(); });
    }
    void homeKeyExtend() override
    {
        run(QStringLiteral("homeKeyExtend"), [&] { m_inner->homeKeyExtend(); });
    }
    void endKeyExtend() override
    {
        run(QStringLiteral("endKeyExtend"), [&] { m_inner->endKeyExtend(); });
    }
    void deleteSelection() override
    {
        run(QStringLiteral("deleteSelection"), [&] { m_inner->deleteSelection(); });
    }

private:
    TimingWordEngine &m_timing;
    std::unique_ptr<WordApplication> m_inner;
    int m_instance;
};

} // namespace

TimingWordEngine::TimingWordEngine(WordEngine &engine)
    : m_engine(engine)
{
    m_clock.start();
}

std::unique_ptr<WordApplication> TimingWordEngine::createApplication()
{
    const int instance = ++m_created;
    auto inner = timed(instance, QStringLiteral("create"), [this] { return m_engine.createApplication(); });
    return std::make_unique<TimingWordApplication>(*this, std::move(inner), instance);
}
