#include "core/shell/UserMessages.h"

#include "core/shell/ApplicationTitle.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class TerminalPresenter : public MessagePresenter
{
public:
    Answer present(Kind kind, const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
        return kind == Kind::Question ? Answer::No : Answer::Ok;
    }

    int choose(const QString &title, const QString &text, const QStringList &choices, int) override
    {
        present(Kind::Choice, title, text + QStringLiteral(" [") + choices.join(QStringLiteral(" | ")) + u']');
        return static_cast<int>(choices.size()) - 1;
    }
};

TerminalPresenter terminalPresenter;
MessagePresenter *installedPresenter = &terminalPresenter;

} // namespace

void UserMessages::applicationError(const QString &text)
{
    present(MessagePresenter::Kind::ApplicationError, QCoreApplication::translate("UserMessages", "Application Error"), text);
}

void UserMessages::information(const QString &text)
{
    present(MessagePresenter::Kind::Information, ApplicationTitle::get(), text);
}

UserMessages::Answer UserMessages::question(const QString &text)
{
    return present(MessagePresenter::Kind::Question, ApplicationTitle::get(), text);
}

int UserMessages::choice(const QString &text, const QStringList &choices, int preselected)
{
    return installedPresenter->choose(ApplicationTitle::get(), text, choices, preselected);
}

void UserMessages::setPresenter(MessagePresenter *presenter)
{
    installedPresenter = presenter ? presenter : &terminalPresenter;
}

UserMessages::Answer UserMessages::present(MessagePresenter::Kind kind, const QString &title, const QString &text)
{
    return installedPresenter->present(kind, title, text);
}
