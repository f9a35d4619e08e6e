#include "imaging/imagingnotifier.h"

#include <QMetaObject>

ImagingNotifier &ImagingNotifier::instance()
{
    static ImagingNotifier notifier;
    return notifier;
}

void ImagingNotifier::postProgress(int percent)
{
    emit progress(qBound(0, percent, 100));
}

void ImagingNotifier::postScanFinished(quintptr imageHandle)
{
    QMetaObject::invokeMethod(
        this, [this, imageHandle] { emit scanFinished(imageHandle); }, Qt::QueuedConnection);
}
