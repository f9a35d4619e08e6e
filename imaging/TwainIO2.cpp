// The scanner library's operations: choosing, scanning, handing over pictures.
#include "imaging/TwainIO2.h"

#include "imaging/TwainIO2Sane.h"
#include "imaging/imagingnotifier.h"

#include <QSettings>
#include <map>

namespace {

const QString SettingsKey = QStringLiteral("Scanner/Device");

struct LibraryState {
    ScannerChooser chooser;
    ScannerMessageSink messages;
    QList<QPair<QByteArray, QVariant>> options;
    std::map<quintptr, DibImage> finished;   // scans not yet fetched
    quintptr nextHandle = 1;
};

LibraryState &state()
{
    static LibraryState s;
    return s;
}

void tell(const QString &text)
{
    if (state().messages)
        state().messages(text);
    else
        qWarning("%s", qPrintable(text));
}

const QString NoScanner = QStringLiteral(
    "Es wurde kein Scanner gefunden. Bitte schließen Sie einen Scanner an und schalten Sie ihn ein.");

} // namespace

ScannerChooser setScannerChooser(ScannerChooser chooser)
{
    return std::exchange(state().chooser, std::move(chooser));
}

ScannerMessageSink setScannerMessageSink(ScannerMessageSink sink)
{
    return std::exchange(state().messages, std::move(sink));
}

QString selectedScanner()
{
    return QSettings().value(SettingsKey).toString();
}

void setSelectedScanner(const QString &deviceName)
{
    QSettings().setValue(SettingsKey, deviceName);
}

void setScannerOption(const QByteArray &name, const QVariant &value)
{
    auto &options = state().options;
    for (auto &option : options)
        if (option.first == name) {
            option.second = value;
            return;
        }
    options.append({name, value});
}

void clearScannerOptions()
{
    state().options.clear();
}

QList<ScannerDevice> listScanners()
{
    SaneSession session;
    return session.devices();
}

void TWAIN_SelectScanner(QObject *)
{
    SaneSession session;
    const QList<ScannerDevice> devices = session.devices();
    if (devices.isEmpty()) {
        tell(NoScanner);
        return;
    }
    if (!state().chooser)
        return;
    if (const auto chosen = state().chooser(devices, selectedScanner()))
        setSelectedScanner(*chosen);
}

void TWAIN_ScanImage(QObject *)
{
    SaneSession session;
    if (!session.ok()) {
        tell(QStringLiteral("Die Scanner-Schnittstelle konnte nicht gestartet werden."));
        return;
    }
    ImagingNotifier &notifier = ImagingNotifier::instance();
    notifier.postProgress(0);
    auto scanFrom = [&](const QString &device) {
        return session.scan(device, state().options, [&](int percent) { notifier.postProgress(percent); });
    };
    // The remembered scanner first (listing every device can take long), else
    // the first one found.
    const QString remembered = selectedScanner();
    SaneSession::Outcome outcome;
    if (!remembered.isEmpty())
        outcome = scanFrom(remembered);
    if (!outcome.opened) {
        const QList<ScannerDevice> devices = session.devices();
        if (devices.isEmpty()) {
            tell(NoScanner);
            return;
        }
        outcome = scanFrom(devices.front().name);
    }
    if (!outcome.scanned()) {
        notifier.postProgress(0);
        if (!outcome.error.isEmpty())
            tell(outcome.error);
        return;
    }
    notifier.postProgress(100);
    const quintptr handle = state().nextHandle++;
    state().finished[handle] = outcome.picture;
    notifier.postScanFinished(handle);
}

int GetScanedDib(DibImage &dib, quintptr imageHandle)
{
    dib = DibImage{};
    auto &finished = state().finished;
    const auto it = finished.find(imageHandle);
    if (it == finished.end())
        return 0;
    dib = it->second;
    finished.erase(it);
    return dib.Bits ? 1 : 0;
}
