#pragma once
// Editing the card's background picture.
#include <QString>
#include <cstdint>
#include <optional>

class Document;

namespace Background {

// "Öffnen...": the old picture is released first. chosenFile is the confirmed
// choice of the image open dialog, or nothing when it was cancelled. A file
// that cannot be read is reported and leaves no background.
void open(Document &doc, const std::optional<QString> &chosenFile);
// "Keins".
void clear(Document &doc);
// Closing the dialog: the checked arrangement (0..3) becomes the mode while a
// picture is held; otherwise the mode is -1 and the file name emptied.
void close(Document &doc, int32_t checkedMode);

}
