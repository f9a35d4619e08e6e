#pragma once
// The one seam through which the program asks the user: message boxes and the
// standard file dialogs. The window installs a handler that shows real dialogs;
// tests and the batch tool install their own.
#include <QString>
#include <functional>

enum class MsgIcon { None, Information, Warning, Error, Question };

enum MsgButton : int {
    MsgNone = 0,
    MsgOk = 1,
    MsgCancel = 2,
    MsgYes = 4,
    MsgNo = 8,
};

struct Prompt {
    enum class Kind { Message, OpenFile, SaveFile };
    Kind kind = Kind::Message;
    QString caption;      // empty: the platform's default caption
    QString text;
    MsgIcon icon = MsgIcon::None;
    int buttons = MsgOk;  // MsgButton flags
    // File dialogs
    QString filter;       // "Description|*.ext|..." as the program's filters are written
    QString defaultSuffix;
    QString directory;
    QString fileName;     // preset name
    int filterIndex = 1;  // 1-based filter entry selected when the dialog opens
    bool confirmOverwrite = false;   // save dialogs: ask before replacing an existing file
};

struct PromptAnswer {
    int button = MsgCancel;   // the button pressed; MsgOk for an accepted file dialog
    QString fileName;         // chosen file, empty when cancelled
    int filterIndex = 1;      // 1-based filter entry chosen in a file dialog
};

using PromptHandler = std::function<PromptAnswer(const Prompt &)>;

// Installs the handler; returns the previous one.
PromptHandler setPromptHandler(PromptHandler handler);

// Shows a message box and returns the button pressed.
int showMessage(const QString &caption, const QString &text, MsgIcon icon, int buttons = MsgOk);
// Shows a file dialog; returns the chosen file or an empty string.
QString askOpenFileName(const QString &caption, const QString &filter, const QString &directory,
                        const QString &defaultSuffix = {});
QString askSaveFileName(const QString &caption, const QString &filter, const QString &directory,
                        const QString &defaultSuffix = {}, const QString &fileName = {});

// A save dialog described in full (title, filter, preselected entry, overwrite
// question); the answer holds the chosen file (empty when cancelled) and the
// 1-based filter entry the user left selected.
PromptAnswer askSaveFile(Prompt request);

// Converts a program filter ("Desc|*.a;*.b|Desc2|*.c") into the form of the toolkit's
// file dialogs ("Desc (*.a *.b);;Desc2 (*.c)").
QString toDialogFilter(const QString &programFilter);
