#pragma once
// Answers the program's prompts with real message boxes and file dialogs.
class QWidget;

void installDialogPrompts(QWidget *owner);
