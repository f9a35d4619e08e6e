#pragma once
// The SANE side of the scanner library: one session per operation.
#include "imaging/TwainIO2.h"

#include <QPair>
#include <functional>

// Starts SANE for the lifetime of the object.
class SaneSession {
public:
    SaneSession();
    ~SaneSession();
    SaneSession(const SaneSession &) = delete;
    SaneSession &operator=(const SaneSession &) = delete;

    bool ok() const { return ok_; }
    QList<ScannerDevice> devices() const;

    struct Outcome {
        DibImage picture;   // owned by the caller on success
        QString error;      // German text for the user; empty on success or when cancelled
        bool opened = false; // the device could be opened
        bool scanned() const { return picture.Bits != nullptr; }
    };
    // Scans one page. progress receives 0..99 while reading (only changes).
    Outcome scan(const QString &deviceName, const QList<QPair<QByteArray, QVariant>> &options,
                 const std::function<void(int)> &progress) const;

private:
    bool ok_ = false;
};
