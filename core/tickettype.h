#pragma once
// EttTyp: how the tickets of a card sit on a printer sheet (112-byte record).
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

struct EttTyp {
    static constexpr int RecordSize = 112;
    static constexpr int MaxNameLength = 50;

    double MarginLeft = 0;   // mm
    double MarginTop = 0;    // mm
    double PitchX = 0;       // gap + width, mm
    double PitchY = 0;       // gap + height, mm
    double CardWidth = 0;    // mm
    double CardHeight = 0;   // mm
    int32_t Columns = 0;
    int32_t Rows = 0;
    // Length byte, up to 50 Windows-1252 characters, then bytes kept as found.
    std::array<uint8_t, 51> TypeNameRaw{};
    std::array<uint8_t, 5> Padding{};

    QString typeName() const;
    // Takes at most the first 50 characters; clears the unused bytes.
    void setTypeName(const QString &name);
    QByteArray typeNameBytes() const;

    QByteArray toBytes() const;
    // Reads 112 bytes; returns false (and leaves the record) when fewer are given.
    bool fromBytes(QByteArrayView bytes);

    // The type in effect when the program starts.
    static EttTyp startupType();

    bool operator==(const EttTyp &) const = default;
};

// The status-line summary of a ticket type, with the given decimal separator.
QString ticketTypeSummary(const EttTyp &type, QChar decimalSeparator);
// The same with the user's decimal separator.
QString ticketTypeSummary(const EttTyp &type);
