#pragma once
// Creating an element with one of the creation tools.
#include "editor/editorstate.h"

#include <QString>
#include <functional>

class Document;

// Asks the user for a picture file; returns the chosen name as it is to be
// stored (a bare name for a file in the program folder), empty when cancelled.
using ImageChooser = std::function<QString()>;

// "Es wurden zuviele Objekte erstellt!": no free slot for a new element.
void showPoolFullMessage();

// The platform's open dialog in the program folder with the image library's
// open filter.
QString choosePictureFile();

// Creates an element of the tool's kind in the lowest free slot at the
// paint-surface point (x, y) and makes it current. Returns the slot, or 0 when
// nothing was created (pool full: message; image dialog cancelled; picture
// unreadable: message). screenDpi is the screen's horizontal pixels per inch.
// beforeChange runs right before the slot is first changed.
int createElement(Document &doc, EditorTool tool, int32_t x, int32_t y, const CreationFont &font,
                  double screenDpi, const ImageChooser &chooseImage,
                  const std::function<void()> &beforeChange = {});
