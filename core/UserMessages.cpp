#include "core/UserMessages.h"

#include "core/ApplicationTitle.h"

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
};

TerminalPresenter terminalPresenter;
MessagePresenter *installedPresenter = &terminalPresenter;

} // namespace

void UserMessages::applicationError(const QString &text)
{
    present(MessagePresenter::Kind::ApplicationError, QStringLiteral("Application Error"), text);
}

void UserMessages::information(const QString &text)
{
    present(MessagePresenter::Kind::Information, ApplicationTitle::get(), text);
}

UserMessages::Answer UserMessages::question(const QString &text)
{
    return present(MessagePresenter::Kind::Question, ApplicationTitle::get(), text);
}

void UserMessages::setPresenter(MessagePresenter *presenter)
{
    installedPresenter = presenter ? presenter : &terminalPresenter;
}

UserMessages::Answer UserMessages::present(MessagePresenter::Kind kind, const QString &title, const QString &text)
{
    return installedPresenter->present(kind, title, text);
}
