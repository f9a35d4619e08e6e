#pragma once
// How a design's pictures (image elements and the background) are read again
// from their stored file names when the design is opened.
#include "imaging/GrafikRW.h"

#include <QByteArray>
#include <QString>

// The picture-loading rule: the stored name (a bare name means the program
// folder), then the file name part next to the design file, else the error
// message and the blank fallback picture. Returns true when a file was read.
bool loadPictureByRule(DibImage &picture, const QByteArray &storedName, const QString &designFolder);

// Turns a freshly loaded image element picture by its stored quarter turns.
void applyStoredRotation(DibImage &picture, int32_t rotation);
