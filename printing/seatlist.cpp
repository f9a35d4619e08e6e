#include "printing/seatlist.h"

#include "core/cp1252.h"
#include "imaging/atomicfile.h"

#include <QFile>
#include <algorithm>

QString seatRowLabel(int64_t row, bool letters)
{
    if (!letters)
        return QString::number(row);
    // C++'s % keeps the sign of the dividend, as the row rule wants.
    return QString(QChar(char16_t(65 + (row - 1) % 26)));
}

QStringList generateSeatList(const SeatListGenerator &settings)
{
    const int64_t rows = std::clamp<int64_t>(settings.Rows, 1, MaxSeatListRows);
    const int64_t seats = std::clamp<int64_t>(settings.SeatsPerRow, 1, MaxSeatsPerRow);
    QStringList lines;
    lines.reserve(qsizetype(rows * seats));
    for (int64_t r = settings.FirstRow; r < int64_t(settings.FirstRow) + rows; ++r) {
        const QString prefix = QStringLiteral("Reihe ") + seatRowLabel(r, settings.RowLetters)
                               + QStringLiteral(", Platz ");
        for (int64_t s = 1; s <= seats; ++s)
            lines << prefix + QString::number(s);
    }
    return lines;
}

QStringList decodeSeatListText(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << fromCp1252(bytes.sliced(start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    // Text after the last line break is a line of its own.
    if (start < n)
        lines << fromCp1252(bytes.sliced(start));
    return lines;
}

QByteArray encodeSeatListText(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += toCp1252(line);
        out += "\r\n";
    }
    return out;
}

bool loadSeatListFile(const QString &path, QStringList &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    lines = decodeSeatListText(bytes);
    return true;
}

bool saveSeatListFile(const QString &path, const QStringList &lines)
{
    return writeFileAtomically(path, encodeSeatListText(lines));
}
