#include "tests/support/testsupport.h"

#include "core/programfolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <QFile>
#include <QTest>
#include <QSettings>
#include <gtest/gtest.h>

ScriptedPrompts::ScriptedPrompts()
{
    previous_ = setPromptHandler([this](const Prompt &p) { return respond(p); });
}

ScriptedPrompts::~ScriptedPrompts()
{
    setPromptHandler(previous_);
}

ScriptedPrompts &ScriptedPrompts::answer(int button)
{
    PromptAnswer a;
    a.button = button;
    script_.push_back(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::chooseFile(const QString &fileName)
{
    PromptAnswer a;
    a.button = fileName.isEmpty() ? MsgCancel : MsgOk;
    a.fileName = fileName;
    script_.push_back(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::chooseFile(const QString &fileName, int filterIndex)
{
    chooseFile(fileName);
    script_.back().filterIndex = filterIndex;
    return *this;
}

PromptAnswer ScriptedPrompts::respond(const Prompt &p)
{
    seen_.push_back(p);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected prompt: [" << p.caption.toStdString() << "] " << p.text.toStdString();
        return PromptAnswer{};
    }
    PromptAnswer a = script_.front();
    script_.pop_front();
    return a;
}

TestFolder::TestFolder()
{
    setProgramFolder(dir_.path());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("settings")));
}

TestFolder::~TestFolder()
{
    setProgramFolder(QString());
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    writeFileBytes(file(name), bytes);
}

QByteArray TestFolder::read(const QString &name) const
{
    return readFileBytes(file(name));
}

bool TestFolder::exists(const QString &name) const
{
    return QFile::exists(file(name));
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

QByteArray readFileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QList<int> decodeBarcodes(const QImage &image)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("codes.png"));
    if (!image.save(file))
        return {};
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    zbar.waitForFinished(20000);
    QList<int> numbers;
    for (const QByteArray &line : zbar.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty())
            numbers << line.trimmed().toInt();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QList<QImage> pdfPages(const QString &pdf, int dpi)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("page"))});
    p.waitForFinished(30000);
    QList<QImage> pages;
    QStringList names = QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        pages << QImage(dir.filePath(name));
    return pages;
}

int countInFile(const QString &path, const QByteArray &text)
{
    const QByteArray bytes = readFileBytes(path);
    int count = 0;
    for (qsizetype at = bytes.indexOf(text); at >= 0; at = bytes.indexOf(text, at + 1))
        ++count;
    return count;
}
