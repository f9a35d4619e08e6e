#include "core/tickettype.h"

#include "core/bytes.h"
#include "core/cp1252.h"

#include <QLocale>
#include <algorithm>
#include <cstring>

QString EttTyp::typeName() const
{
    return fromCp1252(typeNameBytes());
}

QByteArray EttTyp::typeNameBytes() const
{
    const int len = std::min<int>(TypeNameRaw[0], MaxNameLength);
    return QByteArray(reinterpret_cast<const char *>(TypeNameRaw.data() + 1), len);
}

void EttTyp::setTypeName(const QString &name)
{
    const QByteArray bytes = toCp1252(QStringView(name).left(MaxNameLength));
    TypeNameRaw.fill(0);
    TypeNameRaw[0] = uint8_t(bytes.size());
    std::memcpy(TypeNameRaw.data() + 1, bytes.constData(), size_t(bytes.size()));
}

QByteArray EttTyp::toBytes() const
{
    ByteWriter w;
    w.f64(MarginLeft);
    w.f64(MarginTop);
    w.f64(PitchX);
    w.f64(PitchY);
    w.f64(CardWidth);
    w.f64(CardHeight);
    w.i32(Columns);
    w.i32(Rows);
    w.raw(TypeNameRaw.data(), TypeNameRaw.size());
    w.raw(Padding.data(), Padding.size());
    return w.take();
}

bool EttTyp::fromBytes(QByteArrayView bytes)
{
    if (bytes.size() < RecordSize)
        return false;
    ByteReader r(bytes.first(RecordSize));
    MarginLeft = r.f64();
    MarginTop = r.f64();
    PitchX = r.f64();
    PitchY = r.f64();
    CardWidth = r.f64();
    CardHeight = r.f64();
    Columns = r.i32();
    Rows = r.i32();
    r.raw(TypeNameRaw.data(), TypeNameRaw.size());
    r.raw(Padding.data(), Padding.size());
    return true;
}

EttTyp EttTyp::startupType()
{
    EttTyp t;
    t.PitchX = 90;
    t.PitchY = 55;
    t.CardWidth = 90;
    t.CardHeight = 55;
    t.Columns = 2;
    t.Rows = 5;
    t.setTypeName(QStringLiteral("Kein Eintrittskartentyp"));
    return t;
}

namespace {
// Fixed notation with two decimals, the value first rounded to at most 7
// significant digits (so 123456.78 reads 123456.80); values of more than 7
// integer digits are written in scientific notation, as 1.234568E7.
QString millimetres(double v, QChar separator)
{
    const QString scientific = QString::number(v, 'e', 6);   // 7 significant digits
    const int exponent = scientific.section(QLatin1Char('e'), 1).toInt();
    QString s;
    if (exponent >= 7) {
        QString mantissa = scientific.section(QLatin1Char('e'), 0, 0);
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
        s = mantissa + QLatin1Char('E') + QString::number(exponent);
    } else {
        const int decimals = std::min(2, 6 - exponent);
        s = QString::number(v, 'f', decimals);
        if (decimals < 2)
            s += (decimals == 0 ? QStringLiteral(".") : QString()) + QString(2 - decimals, QLatin1Char('0'));
    }
    s.replace(QLatin1Char('.'), separator);
    return s;
}
}

QString ticketTypeSummary(const EttTyp &t, QChar sep)
{
    return QString::number(t.Columns) + QStringLiteral(" x ") + QString::number(t.Rows)
        + QStringLiteral(" Eintrittskarten á ") + millimetres(t.CardWidth, sep)
        + QStringLiteral("mm x ") + millimetres(t.CardHeight, sep)
        + QStringLiteral("mm pro Blatt [Abstände ") + millimetres(t.PitchX, sep)
        + QStringLiteral("mm ; ") + millimetres(t.PitchY, sep)
        + QStringLiteral("mm] [Ränder ") + millimetres(t.MarginLeft, sep)
        + QStringLiteral("mm ; ") + millimetres(t.MarginTop, sep) + QStringLiteral("mm]");
}

QString ticketTypeSummary(const EttTyp &t)
{
    return ticketTypeSummary(t, QLocale().decimalPoint().at(0));
}
