#pragma once
// A card on a 2 × 5 sheet for the preview and print tests, and readers of what
// came out (barcodes, PDF pages and images).
#include "core/document.h"
#include "render/cardrenderer.h"
#include "tests/support/testsupport.h"

#include <QImage>
#include <QList>
#include <QString>

// 90 × 55 mm tickets, 2 columns and 5 rows, margins 10 and 15 mm.
EttTyp twoByFive();

struct PrintScene {
    Document doc;
    CardRenderInputs inputs;
    PrintScene();

    // Element boxes in millimetres from the card's top-left corner.
    Tobs &add(int kind, double left, double top, double width, double height);
    // A filled rectangle of the colour (0x00BBGGRR) over the whole card.
    Tobs &fillCard(int32_t color);
    // The ticket number as a barcode across most of the card.
    Tobs &barcode();
};
