#pragma once
// The mouse cursors of the editor's paint surface, by their number (1..12).
#include <QCursor>

QCursor editorCursor(int number);
