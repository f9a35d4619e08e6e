#pragma once
// The scanner library: choosing a scanner and scanning one page, backed by
// SANE. Results reach the main window through the imaging notifier: progress
// 0..100 while a page is read, then "scan finished" with a handle that
// GetScanedDib turns into a picture.
#include "imaging/GrafikRW.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <functional>
#include <optional>

class QObject;

struct ScannerDevice {
    QString name;     // the SANE device name, e.g. "test:0"
    QString vendor;
    QString model;
    QString type;
};

// Lets the user pick one of the devices (the current choice is preselected).
// Returns the chosen device name, or nothing when the user cancelled.
using ScannerChooser =
    std::function<std::optional<QString>(const QList<ScannerDevice> &devices, const QString &current)>;
// Shows the library's messages to the user.
using ScannerMessageSink = std::function<void(const QString &text)>;

// The main window installs the list dialog and the message box; both return the previous one.
ScannerChooser setScannerChooser(ScannerChooser chooser);
ScannerMessageSink setScannerMessageSink(ScannerMessageSink sink);

// The remembered scanner (per-user settings); empty: none chosen yet.
QString selectedScanner();
void setSelectedScanner(const QString &deviceName);

// Option values set on the device before every scan (e.g. "resolution", 150),
// after the library's own choice of colour mode.
void setScannerOption(const QByteArray &name, const QVariant &value);
void clearScannerOptions();

// The SANE devices present now.
QList<ScannerDevice> listScanners();

// Shows the list of scanners and remembers the one chosen.
void TWAIN_SelectScanner(QObject *owner);
// Scans one page from the chosen scanner (else the first one found).
void TWAIN_ScanImage(QObject *owner);
// Hands over the picture of a finished scan; the caller releases it with
// deldib. Returns 1 with Bits set, else 0 with the empty record. Each handle
// gives its picture once.
int GetScanedDib(DibImage &dib, quintptr imageHandle);
