#pragma once
// The seat list: one seat per line, line k belongs to the ticket numbered k.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// Settings of the generator (the spin edits and the letter switch of the page
// "Einstellungen/Sitzplätze"), with their initial values.
struct SeatListGenerator {
    int32_t FirstRow = 1;        // FirstRowEd, unbounded
    int32_t Rows = 10;           // ReihenEd, 1..1000
    int32_t SeatsPerRow = 10;    // PlatzProReiheEd, 1..1000
    bool RowLetters = true;      // ReihenBuchCheck
};

constexpr int32_t MaxSeatListRows = 1000;
constexpr int32_t MaxSeatsPerRow = 1000;

// "A".."Z" repeating for rows 1, 2, ...; row 0 gives "@" and lower rows the
// characters further before "A". Without letters the row number in decimal.
QString seatRowLabel(int64_t row, bool letters);
// "Reihe <label>, Platz <s>" for every row and seat. Rows and seats are clamped
// to the ranges of their spin edits.
QStringList generateSeatList(const SeatListGenerator &settings);

// Seat list files: Windows-1252 text; CR LF, LF or CR end a line when reading,
// CR LF ends every line when writing.
QStringList decodeSeatListText(QByteArrayView bytes);
QByteArray encodeSeatListText(const QStringList &lines);
// Reads the file; false (list untouched) when it cannot be read.
bool loadSeatListFile(const QString &path, QStringList &lines);
// Writes the whole file or leaves any previous file as it was.
bool saveSeatListFile(const QString &path, const QStringList &lines);
