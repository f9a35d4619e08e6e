#pragma once
// Assembling the sample frames a scanner sends into one picture: grey pages
// become 8-bit grey pictures, colour pages (one RGB frame, or separate red,
// green and blue frames) 24-bit pictures. Samples of 16 bits keep their high
// byte; 1-bit grey samples are 1 for black.
#include "imaging/GrafikRW.h"

#include <QByteArray>
#include <vector>

// Frame layout as the scanner reports it.
struct ScanFrameFormat {
    enum Kind { Gray, Rgb, Red, Green, Blue };
    Kind kind = Gray;
    int depth = 8;           // bits per sample: 1, 8 or 16
    int pixelsPerLine = 0;
    int bytesPerLine = 0;
    int lines = -1;          // -1: unknown until the frame ends
};

class ScanAssembler {
public:
    enum class Error { None, Unsupported, TooLarge, Empty };

    // Starts the next frame. Refuses layouts the picture cannot be built from.
    Error beginFrame(const ScanFrameFormat &format);
    // Adds sample bytes to the current frame; TooLarge once the picture would
    // exceed the image library's limits.
    Error append(const char *data, qsizetype size);
    // Bytes still expected for the whole page, counting frames not yet begun;
    // -1 while that is unknown.
    qint64 expectedBytes() const;
    qint64 receivedBytes() const { return received_; }

    // Builds the picture from the complete rows received (the caller releases
    // it). Colour frames missing from a three-frame page stay black.
    Error build(DibImage &out) const;

private:
    struct Frame {
        ScanFrameFormat format;
        QByteArray data;
    };
    qint64 maxBytesPerFrame(const ScanFrameFormat &format) const;
    std::vector<Frame> frames_;
    qint64 received_ = 0;
};
