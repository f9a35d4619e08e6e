#include "imaging/TwainIO2Sane.h"

#include "imaging/TwainIO2Frames.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

SaneSession::SaneSession()
{
    SANE_Int version = 0;
    ok_ = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
}

SaneSession::~SaneSession()
{
    if (ok_)
        sane_exit();
}

QList<ScannerDevice> SaneSession::devices() const
{
    QList<ScannerDevice> list;
    const SANE_Device **devices = nullptr;
    if (!ok_ || sane_get_devices(&devices, SANE_FALSE) != SANE_STATUS_GOOD || !devices)
        return list;
    for (int i = 0; devices[i]; ++i) {
        const SANE_Device *d = devices[i];
        auto text = [](const char *s) { return s ? QString::fromUtf8(s) : QString(); };
        list.append({text(d->name), text(d->vendor), text(d->model), text(d->type)});
    }
    return list;
}

namespace {

struct DeviceCloser {
    void operator()(void *handle) const { sane_close(static_cast<SANE_Handle>(handle)); }
};
using DeviceHandle = std::unique_ptr<void, DeviceCloser>;

// Sets a single-valued option by name; false when the device has no such
// settable option or refuses the value.
bool setOption(SANE_Handle h, const QByteArray &name, const QVariant &value)
{
    SANE_Int count = 0;
    if (sane_control_option(h, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return false;
    for (SANE_Int n = 1; n < count; ++n) {
        const SANE_Option_Descriptor *d = sane_get_option_descriptor(h, n);
        if (!d || !d->name || name != d->name)
            continue;
        if (!SANE_OPTION_IS_SETTABLE(d->cap) || !SANE_OPTION_IS_ACTIVE(d->cap))
            return false;
        SANE_Status status = SANE_STATUS_INVAL;
        switch (d->type) {
        case SANE_TYPE_BOOL: {
            SANE_Bool v = value.toBool() ? SANE_TRUE : SANE_FALSE;
            status = sane_control_option(h, n, SANE_ACTION_SET_VALUE, &v, nullptr);
            break;
        }
        case SANE_TYPE_INT:
        case SANE_TYPE_FIXED: {
            if (d->size != sizeof(SANE_Word))
                return false;
            SANE_Word v = d->type == SANE_TYPE_INT ? SANE_Word(value.toInt()) : SANE_FIX(value.toDouble());
            status = sane_control_option(h, n, SANE_ACTION_SET_VALUE, &v, nullptr);
            break;
        }
        case SANE_TYPE_STRING: {
            if (d->size <= 0)
                return false;
            const QByteArray text = value.toString().toUtf8();
            std::vector<char> buffer(size_t(d->size), '\0');
            std::memcpy(buffer.data(), text.constData(), std::min<size_t>(size_t(text.size()), buffer.size() - 1));
            status = sane_control_option(h, n, SANE_ACTION_SET_VALUE, buffer.data(), nullptr);
            break;
        }
        default:
            return false;
        }
        return status == SANE_STATUS_GOOD;
    }
    return false;
}

// Pictures are scanned in colour when the device offers it.
void preferColour(SANE_Handle h)
{
    SANE_Int count = 0;
    if (sane_control_option(h, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return;
    for (SANE_Int n = 1; n < count; ++n) {
        const SANE_Option_Descriptor *d = sane_get_option_descriptor(h, n);
        if (!d || !d->name || std::strcmp(d->name, SANE_NAME_SCAN_MODE) != 0
            || d->constraint_type != SANE_CONSTRAINT_STRING_LIST)
            continue;
        for (const SANE_String_Const *mode = d->constraint.string_list; mode && *mode; ++mode)
            if (std::strcmp(*mode, SANE_VALUE_SCAN_MODE_COLOR) == 0)
                setOption(h, SANE_NAME_SCAN_MODE, QString::fromLatin1(SANE_VALUE_SCAN_MODE_COLOR));
        return;
    }
}

QString statusText(SANE_Status status)
{
    switch (status) {
    case SANE_STATUS_NO_DOCS:
        return QStringLiteral("Es liegt keine Vorlage im Scanner.");
    case SANE_STATUS_JAMMED:
        return QStringLiteral("Im Scanner hat sich die Vorlage gestaut.");
    case SANE_STATUS_COVER_OPEN:
        return QStringLiteral("Der Deckel des Scanners ist offen.");
    case SANE_STATUS_DEVICE_BUSY:
        return QStringLiteral("Der Scanner ist gerade beschäftigt.");
    case SANE_STATUS_NO_MEM:
        return QStringLiteral("Für das Einscannen ist nicht genug Speicher frei.");
    default:
        return QStringLiteral("Beim Einscannen ist ein Fehler aufgetreten (%1).")
            .arg(QString::fromUtf8(sane_strstatus(status)));
    }
}

QString assemblyText(ScanAssembler::Error error)
{
    switch (error) {
    case ScanAssembler::Error::TooLarge:
        return QStringLiteral("Das eingescannte Bild ist zu groß.");
    case ScanAssembler::Error::Empty:
        return QStringLiteral("Der Scanner hat kein Bild geliefert.");
    default:
        return QStringLiteral("Der Scanner liefert ein Bildformat, das nicht unterstützt wird.");
    }
}

std::optional<ScanFrameFormat::Kind> frameKind(SANE_Frame frame)
{
    switch (frame) {
    case SANE_FRAME_GRAY:
        return ScanFrameFormat::Gray;
    case SANE_FRAME_RGB:
        return ScanFrameFormat::Rgb;
    case SANE_FRAME_RED:
        return ScanFrameFormat::Red;
    case SANE_FRAME_GREEN:
        return ScanFrameFormat::Green;
    case SANE_FRAME_BLUE:
        return ScanFrameFormat::Blue;
    default:
        return std::nullopt;
    }
}

} // namespace

SaneSession::Outcome SaneSession::scan(const QString &deviceName, const QList<QPair<QByteArray, QVariant>> &options,
                                       const std::function<void(int)> &progress) const
{
    Outcome outcome;
    if (!ok_) {
        outcome.error = QStringLiteral("Die Scanner-Schnittstelle konnte nicht gestartet werden.");
        return outcome;
    }
    SANE_Handle raw = nullptr;
    if (sane_open(deviceName.toUtf8().constData(), &raw) != SANE_STATUS_GOOD || !raw) {
        outcome.error = QStringLiteral("Der Scanner \"%1\" konnte nicht geöffnet werden.").arg(deviceName);
        return outcome;
    }
    DeviceHandle device(raw);
    outcome.opened = true;
    preferColour(raw);
    for (const auto &[name, value] : options)
        setOption(raw, name, value);

    ScanAssembler assembler;
    int shown = -1;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        SANE_Status status = sane_start(raw);
        SANE_Parameters params{};
        if (status == SANE_STATUS_GOOD)
            status = sane_get_parameters(raw, &params);
        if (status != SANE_STATUS_GOOD) {
            sane_cancel(raw);
            if (status != SANE_STATUS_CANCELLED)
                outcome.error = statusText(status);
            return outcome;
        }
        const auto kind = frameKind(params.format);
        ScanAssembler::Error error = ScanAssembler::Error::Unsupported;
        if (kind)
            error = assembler.beginFrame({*kind, params.depth, params.pixels_per_line, params.bytes_per_line,
                                          params.lines});
        while (error == ScanAssembler::Error::None) {
            SANE_Int length = 0;
            status = sane_read(raw, reinterpret_cast<SANE_Byte *>(buffer.data()), SANE_Int(buffer.size()), &length);
            if (status == SANE_STATUS_EOF)
                break;
            if (status != SANE_STATUS_GOOD) {
                sane_cancel(raw);
                if (status != SANE_STATUS_CANCELLED)
                    outcome.error = statusText(status);
                return outcome;
            }
            error = assembler.append(buffer.data(), qBound<SANE_Int>(0, length, SANE_Int(buffer.size())));
            const qint64 expected = assembler.expectedBytes();
            if (expected > 0 && progress) {
                const int percent = int(std::min<qint64>(99, assembler.receivedBytes() * 100 / expected));
                if (percent != shown)
                    progress(shown = percent);
            }
        }
        if (error != ScanAssembler::Error::None) {
            sane_cancel(raw);
            outcome.error = assemblyText(error);
            return outcome;
        }
        if (params.last_frame)
            break;
    }
    sane_cancel(raw);
    const ScanAssembler::Error built = assembler.build(outcome.picture);
    if (built != ScanAssembler::Error::None)
        outcome.error = assemblyText(built);
    return outcome;
}
