// Writes the seed corpora of the fuzz targets with the tests' own fixture
// writers and the program's encoders: makeseeds OUTDIR makes OUTDIR/<target>/.
#include "core/designfile.h"
#include "core/document.h"
#include "events/eventdatabase.h"
#include "fuzz/fuzzsupport.h"
#include "printing/calibration.h"
#include "printing/seatlist.h"
#include "printing/tickettypelist.h"
#include "tests/imaging/imagingfixtures.h"

#include <QDir>
#include <QFile>

namespace {

void put(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    QFile file(QDir(dir).filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray savedPicture(const DibImage &dib, int format, const QString &scratch)
{
    const QString path = QDir(scratch).filePath("picture");
    SaveDib(dib, path, format);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray sampleDesign()
{
    Document doc;
    const int32_t left = doc.PasteboardWidth / 3, top = doc.PasteboardHeight / 3;
    const int kinds[] = {KindFigure, KindText, KindImage, KindBarcode};
    for (int i = 0; i < 4; ++i) {
        Tobs &e = doc.pool[i + 1];
        e.Kind = kinds[i];
        e.Left = left + 4000 * i;
        e.Top = top + 3000 * i;
        e.Width = 20000;
        e.Height = 8000;
        e.FontName = "Arial";
        e.FontSize = 10;
        e.Text = kinds[i] == KindImage ? QByteArray("seed.bmp") : QByteArray("[Ort] <Preis> [Kartennummer]");
        e.Rotation = i % 4;
    }
    return writeDesign(doc);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    fuzzSetUp();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString scratch = out.filePath("scratch");
    QDir().mkpath(scratch);

    const struct {
        const char *target;
        int format;
    } pictures[] = {{"bmp", 3}, {"bmp", 11}, {"tga", 12}, {"pcx", 10}, {"ilbm", 6}, {"ilbm", 9}, {"gif", 5}};
    int n = 0;
    for (int bits : {1, 4, 8, 24}) {
        DibImage dib = bits == 24 ? makeGradient(17, 9) : makePalettePicture(17, 9, bits);
        for (const auto &p : pictures) {
            const QByteArray bytes = savedPicture(dib, p.format, scratch);
            const QString name = QStringLiteral("seed%1").arg(n++);
            put(out.filePath(p.target), name, bytes);
            put(out.filePath("opendib"), name, bytes);
        }
        for (int format : {7, 13}) // JPEG and TIFF go through Qt's readers
            put(out.filePath("opendib"), QStringLiteral("seed%1").arg(n++), savedPicture(dib, format, scratch));
        deldib(dib);
    }
    put(out.filePath("design"), "seed0", sampleDesign());
    put(out.filePath("render"), "seed0", sampleDesign());

    EventDatabase db;
    EventRecord event;
    for (int i = 1; i <= EventFieldCount; ++i)
        event.field(i) = QStringLiteral("Wert %1 ä").arg(i);
    db.events = {event, EventRecord{}};
    put(out.filePath("eventdb"), "seed0", encodeEventDatabase(db));
    put(out.filePath("eventdb"), "seed1", encodeEventDatabase(EventDatabase{}));

    TicketTypeList types;
    types.types = {EttTyp::startupType(), EttTyp::startupType()};
    put(out.filePath("tickettypes"), "seed0", types.toBytes());

    put(out.filePath("seatlist"), "seed0", encodeSeatListText(generateSeatList(SeatListGenerator{})));
    put(out.filePath("options"), "seed0", calibrationBytes(Calibration{}));
    put(out.filePath("options"), "seed1", calibrationBytes(Calibration{2.5, 6, 95.5, 104.75}));
    QDir(scratch).removeRecursively();
    return 0;
}
