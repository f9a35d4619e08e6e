#include "printing/calibration.h"

#include "core/datafilewrite.h"
#include "core/bytes.h"
#include "core/document.h"
#include "core/programfolder.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace {

double clampedValue(double v, double min, double max, double initial)
{
    return std::isnan(v) ? initial : std::clamp(v, min, max);
}

} // namespace

double Calibration::mmPerInchX() const
{
    return BreitEd * MmPerInch / 100;
}

double Calibration::mmPerInchY() const
{
    return HochEd * MmPerInch / 100;
}

Calibration clampedCalibration(const Calibration &c)
{
    const Calibration initial;
    return {clampedValue(c.LinksEd, 0, 6, initial.LinksEd), clampedValue(c.ObenEd, 0, 6, initial.ObenEd),
            clampedValue(c.BreitEd, 95, 105, initial.BreitEd), clampedValue(c.HochEd, 95, 105, initial.HochEd)};
}

QByteArray calibrationBytes(const Calibration &c)
{
    ByteWriter out;
    for (double v : {c.LinksEd, c.ObenEd, c.BreitEd, c.HochEd})
        out.f64(v);
    return out.take();
}

Calibration calibrationFromBytes(QByteArrayView bytes)
{
    if (bytes.size() < OptionsFileSize)
        return {};
    ByteReader in(bytes);
    Calibration c;
    c.LinksEd = in.f64();
    c.ObenEd = in.f64();
    c.BreitEd = in.f64();
    c.HochEd = in.f64();
    return clampedCalibration(c);
}

QString optionsFilePath()
{
    return ProgramFolder() + QStringLiteral("options.dat");
}

Calibration readCalibration()
{
    QFile file(optionsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return calibrationFromBytes(file.read(OptionsFileSize));
}

bool writeCalibration(const Calibration &c)
{
    return writeDataFile(optionsFilePath(), calibrationBytes(c));
}
