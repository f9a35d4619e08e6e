#include "ui/ScannerSelectDialog.h"
#include "ui/dialogbuttons.h"

#include "core/prompts.h"
#include "ui/modal.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int DeviceNameRole = Qt::UserRole;

QString describe(const ScannerDevice &d)
{
    const QString title = QStringList{d.vendor, d.model}.join(QLatin1Char(' ')).trimmed();
    return title.isEmpty() ? d.name : QStringLiteral("%1 (%2)").arg(title, d.name);
}
}

ScannerSelectDialog::ScannerSelectDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ScannerSelectDialog"));
    setWindowTitle(QStringLiteral("Scanner auswählen"));

    DeviceList = new QListWidget;
    DeviceList->setObjectName(QStringLiteral("DeviceList"));
    // A double click chooses like OK.
    connect(DeviceList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Verfügbare Scanner:")));
    layout->addWidget(DeviceList);
    layout->addWidget(buttons);
}

void ScannerSelectDialog::setDevices(const QList<ScannerDevice> &devices, const QString &current)
{
    DeviceList->clear();
    for (const ScannerDevice &d : devices) {
        auto *item = new QListWidgetItem(describe(d), DeviceList);
        item->setData(DeviceNameRole, d.name);
        if (d.name == current)
            DeviceList->setCurrentItem(item);
    }
    if (!DeviceList->currentItem() && DeviceList->count() > 0)
        DeviceList->setCurrentRow(0);
}

QString ScannerSelectDialog::chosenDevice() const
{
    const QListWidgetItem *item = DeviceList->currentItem();
    return item ? item->data(DeviceNameRole).toString() : QString();
}

void installScannerUi(QWidget *owner)
{
    QPointer<QWidget> parent(owner);
    setScannerChooser([parent](const QList<ScannerDevice> &devices, const QString &current) -> std::optional<QString> {
        ScannerSelectDialog dialog(parent);
        dialog.setDevices(devices, current);
        if (runModal(dialog) != QDialog::Accepted || dialog.chosenDevice().isEmpty())
            return std::nullopt;
        return dialog.chosenDevice();
    });
    setScannerMessageSink([](const QString &text) { showMessage(QString(), text, MsgIcon::Information, MsgOk); });
}
