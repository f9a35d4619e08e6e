#pragma once
// Shared helpers of the test programs.
#include "core/prompts.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

// Answers the program's questions from a script and records every prompt.
// Unscripted prompts fail the test and are answered with Cancel.
class ScriptedPrompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts();

    // The next message box is answered with this button.
    ScriptedPrompts &answer(int button);
    // The next file dialog returns this name (empty: cancelled).
    ScriptedPrompts &chooseFile(const QString &fileName);
    // The same, with the 1-based filter entry the user leaves selected.
    ScriptedPrompts &chooseFile(const QString &fileName, int filterIndex);

    const std::vector<Prompt> &seen() const { return seen_; }
    const Prompt &last() const { return seen_.back(); }
    size_t pending() const { return script_.size(); }

private:
    PromptAnswer respond(const Prompt &p);
    std::deque<PromptAnswer> script_;
    std::vector<Prompt> seen_;
    PromptHandler previous_;
};

// A private program folder and settings store for one test.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir dir_;
};

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 10000);

QByteArray readFileBytes(const QString &path);
void writeFileBytes(const QString &path, const QByteArray &bytes);

// Every barcode zbarimg finds in the image, as numbers, sorted.
QList<int> decodeBarcodes(const QImage &image);
// The pages of a PDF file rendered at the resolution, through pdftoppm.
QList<QImage> pdfPages(const QString &pdf, int dpi);
// How many times the text occurs in the file's bytes.
int countInFile(const QString &path, const QByteArray &text);
