#include "core/prompts.h"

#include <QRegularExpression>
#include <QStringList>
#include <cstdio>

namespace {
// Without a window nobody can answer: report to standard error and take the
// safest answer (Cancel where offered, else No, else OK).
PromptAnswer answerWithoutUser(const Prompt &p)
{
    PromptAnswer a;
    if (p.kind != Prompt::Kind::Message)
        return a;
    std::fprintf(stderr, "%s\n", p.text.toUtf8().constData());
    if (p.buttons & MsgCancel)
        a.button = MsgCancel;
    else if (p.buttons & MsgNo)
        a.button = MsgNo;
    else
        a.button = MsgOk;
    return a;
}

PromptHandler &handler()
{
    static PromptHandler h = answerWithoutUser;
    return h;
}
}

PromptHandler setPromptHandler(PromptHandler h)
{
    PromptHandler old = handler();
    handler() = h ? std::move(h) : PromptHandler(answerWithoutUser);
    return old;
}

int showMessage(const QString &caption, const QString &text, MsgIcon icon, int buttons)
{
    Prompt p;
    p.caption = caption;
    p.text = text;
    p.icon = icon;
    p.buttons = buttons;
    return handler()(p).button;
}

static QString askFile(Prompt::Kind kind, const QString &caption, const QString &filter,
                       const QString &directory, const QString &suffix, const QString &fileName)
{
    Prompt p;
    p.kind = kind;
    p.caption = caption;
    p.filter = filter;
    p.directory = directory;
    p.defaultSuffix = suffix;
    p.fileName = fileName;
    return handler()(p).fileName;
}

QString askOpenFileName(const QString &caption, const QString &filter, const QString &directory,
                        const QString &defaultSuffix)
{
    return askFile(Prompt::Kind::OpenFile, caption, filter, directory, defaultSuffix, {});
}

QString askSaveFileName(const QString &caption, const QString &filter, const QString &directory,
                        const QString &defaultSuffix, const QString &fileName)
{
    return askFile(Prompt::Kind::SaveFile, caption, filter, directory, defaultSuffix, fileName);
}

PromptAnswer askSaveFile(Prompt request)
{
    request.kind = Prompt::Kind::SaveFile;
    PromptAnswer a = handler()(request);
    if (a.fileName.isEmpty())
        a.button = MsgCancel;
    return a;
}

QString toDialogFilter(const QString &programFilter)
{
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Descriptions that already show their patterns ("Textdateien (*.txt)")
        // lose them here: the dialog shows the patterns it applies, once.
        static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*\\)$"));
        QString name = parts[i];
        name.remove(shownPatterns);
        out << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return out.join(QStringLiteral(";;"));
}
