#include "printfixture.h"


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

