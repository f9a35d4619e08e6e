#pragma once
// Replaces a file only once its new content is completely written (a temporary
// file beside it is renamed over it): a failed write leaves the old file as it was.
#include <QByteArrayView>
#include <QString>

bool writeFileAtomically(const QString &path, QByteArrayView bytes);
