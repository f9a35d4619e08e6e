#pragma once
// The printer calibration: measured edge distances and size of the test
// rectangle, kept in "options.dat" in the program folder (four little-endian
// doubles, no header).
#include <QByteArray>
#include <QString>

struct Calibration {
    double LinksEd = 0;    // mm from the left paper edge, 0..6
    double ObenEd = 0;     // mm from the top paper edge, 0..6
    double BreitEd = 100;  // measured width of the 100 mm rectangle, 95..105
    double HochEd = 100;   // measured height, 95..105

    // Millimetres per inch while printing: BreitEd / HochEd × 25.39995 / 100.
    double mmPerInchX() const;
    double mmPerInchY() const;

    bool operator==(const Calibration &) const = default;
};

constexpr int OptionsFileSize = 32;

// Each value clamped to its field's range; a value that is not a number takes
// the initial value.
Calibration clampedCalibration(const Calibration &c);

// The 32 bytes of the file, and the values read back from them (clamped). A
// file shorter than 32 bytes is damaged and gives the initial values.
QByteArray calibrationBytes(const Calibration &c);
Calibration calibrationFromBytes(QByteArrayView bytes);

QString optionsFilePath();
// Reads the program folder's options.dat; the initial values when it cannot be read.
Calibration readCalibration();
// Replaces options.dat completely or not at all; false when it could not be written.
bool writeCalibration(const Calibration &c);
