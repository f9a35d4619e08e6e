#pragma once
// Saving a finished scan: the scanner library hands over the picture, the user
// picks a file and format (and for JPEG a quality), the picture is written and
// released.
#include "imaging/GrafikRW.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// Asks the user for the JPEG quality (1..99); nothing when the user cancelled.
using JpegQualityAsker = std::function<std::optional<int>()>;

// ".BMP", ".DIB", ... ".TIF": the upper-case extension a scan gets for a filter entry.
QString scanExtension(int filterIndex);
// The name as typed when it has an extension, else with the scan extension of the entry.
QString withScanExtension(const QString &fileName, int filterIndex);
// The JIF and JPG entries, for which the quality is asked.
bool isJpegFilterEntry(int filterIndex);

// Asks for the file and saves the picture there; a failed save is reported.
// The picture is released in every case and the record marked empty.
void saveScannedImage(DibImage &image, const JpegQualityAsker &askQuality);

// The scanner library's "scan finished" message: fetches the picture of the
// handle and saves it. A scan without a picture is ignored silently.
void WMUser2(quintptr imageHandle, const JpegQualityAsker &askQuality);
