#pragma once
// The two notifications the image and scanner libraries send to the main
// window: progress (0..100) for its progress bar, and a finished scan with the
// handle that GetScanedDib turns into a picture.
#include <QObject>
#include <QtGlobal>

class ImagingNotifier : public QObject {
    Q_OBJECT
public:
    static ImagingNotifier &instance();

    // Sent at once, while the work goes on.
    void postProgress(int percent);
    // Queued like a window message: receivers get it after the scan call returned.
    void postScanFinished(quintptr imageHandle);

signals:
    void progress(int percent);
    void scanFinished(quintptr imageHandle);

private:
    ImagingNotifier() = default;
};
