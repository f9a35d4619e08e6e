#pragma once
// The list of scanners shown by "Scanner auswählen...", and the installation of
// the scanner library's user interface (this list and its message boxes).
#include "imaging/TwainIO2.h"

#include <QDialog>

class QListWidget;
class QWidget;

class ScannerSelectDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScannerSelectDialog(QWidget *parent = nullptr);

    // Fills the list and selects the current scanner (else the first).
    void setDevices(const QList<ScannerDevice> &devices, const QString &current);
    // The device name of the selected entry; empty when none is selected.
    QString chosenDevice() const;

    QListWidget *DeviceList;
};

// Lets the scanner library show this dialog (modal to owner) and its messages.
void installScannerUi(QWidget *owner);
