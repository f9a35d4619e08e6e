#include "tests/support/testsupport.h"

#include "core/programfolder.h"

#include <QElapsedTimer>
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
