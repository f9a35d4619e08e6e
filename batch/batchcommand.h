#pragma once
// The commands of pelladromika-batch. Each command lives in its own file and
// registers itself with a static BatchCommandRegistration.
#include <QString>
#include <QStringList>
#include <functional>

// Exit status of the tool.
enum BatchStatus { BatchOk = 0, BatchFailed = 1, BatchUsage = 2 };

struct BatchCommand {
    QString name;
    QString usage;   // e.g. "dump DESIGN.etr"
    std::function<int(const QStringList &args)> run;
};

struct BatchCommandRegistration {
    explicit BatchCommandRegistration(BatchCommand command);
};

const QList<BatchCommand> &batchCommands();

// Prints a usage error for the command and returns BatchUsage.
int batchUsageError(const QString &usage);
// Prints the program's German message on standard error and returns BatchFailed.
int batchFailure(const QString &message);
// Writes UTF-8 text to standard output.
void batchPrint(const QByteArray &utf8);

// Pops "--name VALUE" from args; returns false when absent. A missing value is
// reported through ok = false.
bool takeOption(QStringList &args, const QString &name, QString &value, bool &ok);
