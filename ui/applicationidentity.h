#pragma once
// The program's name towards the toolkit: the settings store's keys and the
// caption of message boxes that have none of their own.
#include <QString>

// Sets the organisation and application name. The display name is set empty on
// purpose: the toolkit appends a non-empty one (by default the application
// name) to every window title on Linux desktops, which changes the program's
// own captions.
void setApplicationIdentity();

// The caption of a message box shown without one: the application title.
QString defaultMessageCaption();
