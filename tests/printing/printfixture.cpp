#include "printfixture.h"

#include "tests/support/testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

EttTyp twoByFive()
{
    EttTyp t = EttTyp::startupType();
    t.MarginLeft = 10;
    t.MarginTop = 15;
    t.PitchX = 95;
    t.PitchY = 55;
    return t;
}

PrintScene::PrintScene()
{
    doc.ticketType = twoByFive();
    doc.sizePasteboardFromTicketType();
    inputs.placeholders.ticketLabel = QStringLiteral("Kartennummer");
}

Tobs &PrintScene::add(int kind, double left, double top, double width, double height)
{
    int slot = 1;
    while (doc.pool[slot].Kind != KindFree)
        ++slot;
    Tobs &e = doc.pool[slot];
    e.Kind = kind;
    e.Left = int32_t(mmToDocUnits(doc.ticketType.CardWidth + left));
    e.Top = int32_t(mmToDocUnits(doc.ticketType.CardHeight + top));
    e.Width = int32_t(mmToDocUnits(width));
    e.Height = int32_t(mmToDocUnits(height));
    return e;
}

Tobs &PrintScene::fillCard(int32_t color)
{
    Tobs &e = add(KindFigure, 0, 0, doc.ticketType.CardWidth, doc.ticketType.CardHeight);
    e.Shape = 3;
    e.FillMode = 0;
    e.Color = color;
    return e;
}

Tobs &PrintScene::barcode()
{
    return add(KindBarcode, 5, 10, 80, 30);
}

QList<int> decodeBarcodes(const QImage &image)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("codes.png"));
    if (!image.save(file))
        return {};
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    zbar.waitForFinished(20000);
    QList<int> numbers;
    for (const QByteArray &line : zbar.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty())
            numbers << line.trimmed().toInt();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QList<QImage> pdfPages(const QString &pdf, int dpi)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("page"))});
    p.waitForFinished(30000);
    QList<QImage> pages;
    QStringList names = QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        pages << QImage(dir.filePath(name));
    return pages;
}

int countInFile(const QString &path, const QByteArray &text)
{
    const QByteArray bytes = readFileBytes(path);
    int count = 0;
    for (qsizetype at = bytes.indexOf(text); at >= 0; at = bytes.indexOf(text, at + 1))
        ++count;
    return count;
}
