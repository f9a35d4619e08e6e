#pragma once
// Switches the document to a device scale for one preview, print or export and
// back to the screen afterwards, also when the drawing ends early.
#include "core/document.h"

class PrintScaleScope {
public:
    PrintScaleScope(Document &doc, double pixelsPerDocUnit) : doc_(doc)
    {
        doc_.scale.UsePrintScale = true;
        doc_.scale.PrintScale = pixelsPerDocUnit;
    }
    ~PrintScaleScope()
    {
        doc_.scale.UsePrintScale = false;
        doc_.MmPerInchX = doc_.MmPerInchY = MmPerInch;
    }
    PrintScaleScope(const PrintScaleScope &) = delete;
    PrintScaleScope &operator=(const PrintScaleScope &) = delete;

private:
    Document &doc_;
};
