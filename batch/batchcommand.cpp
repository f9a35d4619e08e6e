#include "batch/batchcommand.h"

#include <cstdio>

static QList<BatchCommand> &registry()
{
    static QList<BatchCommand> commands;
    return commands;
}

BatchCommandRegistration::BatchCommandRegistration(BatchCommand command)
{
    registry().append(std::move(command));
}

const QList<BatchCommand> &batchCommands()
{
    return registry();
}

int batchUsageError(const QString &usage)
{
    std::fprintf(stderr, "usage: pelladromika-batch [--program-folder DIR] %s\n", usage.toUtf8().constData());
    return BatchUsage;
}

int batchFailure(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return BatchFailed;
}

void batchPrint(const QByteArray &utf8)
{
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fflush(stdout);
}

bool takeOption(QStringList &args, const QString &name, QString &value, bool &ok)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return false;
    if (at + 1 >= args.size()) {
        ok = false;
        args.removeAt(at);
        return false;
    }
    value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}
