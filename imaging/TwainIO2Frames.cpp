#include "imaging/TwainIO2Frames.h"

#include <algorithm>
#include <cstring>

namespace {

bool singleChannel(ScanFrameFormat::Kind kind)
{
    return kind == ScanFrameFormat::Red || kind == ScanFrameFormat::Green || kind == ScanFrameFormat::Blue;
}

int samplesPerPixel(const ScanFrameFormat &f)
{
    return f.kind == ScanFrameFormat::Rgb ? 3 : 1;
}

// Sample number i of a row, scaled to 0..255.
uint8_t sampleAt(const uint8_t *row, qint64 i, int depth)
{
    switch (depth) {
    case 1:
        return ((row[i >> 3] >> (7 - (i & 7))) & 1) ? 255 : 0;
    case 16: {
        uint16_t v;
        std::memcpy(&v, row + i * 2, 2); // host byte order
        return uint8_t(v >> 8);
    }
    default:
        return row[i];
    }
}

} // namespace

qint64 ScanAssembler::maxBytesPerFrame(const ScanFrameFormat &f) const
{
    const int outBpp = (f.kind == ScanFrameFormat::Gray) ? 8 : 24;
    const qint64 rowBytes = dibRowBytes(f.pixelsPerLine, outBpp);
    const qint64 maxRows = std::min<qint64>(MaxDibSide, MaxDibBytes / rowBytes);
    return maxRows * f.bytesPerLine;
}

ScanAssembler::Error ScanAssembler::beginFrame(const ScanFrameFormat &f)
{
    if (f.depth != 1 && f.depth != 8 && f.depth != 16)
        return Error::Unsupported;
    if (f.pixelsPerLine <= 0 || f.pixelsPerLine > MaxDibSide)
        return f.pixelsPerLine <= 0 ? Error::Unsupported : Error::TooLarge;
    // A row must hold its samples.
    const qint64 needed = (qint64(f.pixelsPerLine) * samplesPerPixel(f) * f.depth + 7) / 8;
    if (f.bytesPerLine < needed)
        return Error::Unsupported;
    if (f.lines > MaxDibSide)
        return Error::TooLarge;
    if (!frames_.empty()) {
        // Further frames only for pages sent colour by colour, in the same layout.
        const ScanFrameFormat &first = frames_.front().format;
        if (!singleChannel(first.kind) || !singleChannel(f.kind) || f.pixelsPerLine != first.pixelsPerLine
            || frames_.size() >= 3)
            return Error::Unsupported;
    }
    frames_.push_back({f, QByteArray()});
    return Error::None;
}

ScanAssembler::Error ScanAssembler::append(const char *data, qsizetype size)
{
    if (frames_.empty())
        return Error::Unsupported;
    Frame &frame = frames_.back();
    if (frame.data.size() + size > maxBytesPerFrame(frame.format))
        return Error::TooLarge;
    frame.data.append(data, size);
    received_ += size;
    return Error::None;
}

qint64 ScanAssembler::expectedBytes() const
{
    if (frames_.empty())
        return -1;
    const ScanFrameFormat &f = frames_.back().format;
    if (f.lines < 0)
        return -1;
    const qint64 perFrame = qint64(f.lines) * f.bytesPerLine;
    const qint64 frames = singleChannel(f.kind) ? 3 : 1;
    return perFrame * frames;
}

ScanAssembler::Error ScanAssembler::build(DibImage &out) const
{
    out = DibImage{};
    if (frames_.empty())
        return Error::Empty;
    const ScanFrameFormat &first = frames_.front().format;
    const int width = first.pixelsPerLine;
    qint64 rows = MaxDibSide;
    for (const Frame &frame : frames_)
        rows = std::min<qint64>(rows, frame.data.size() / frame.format.bytesPerLine);
    if (rows <= 0)
        return Error::Empty;
    const int height = int(rows);

    const bool gray = first.kind == ScanFrameFormat::Gray;
    if (!newdib(out, width, height, gray ? 8 : 24)) // grey pictures get the grey ramp
        return Error::TooLarge;

    for (int y = 0; y < height; ++y) {
        uint8_t *dest = out.Bits + size_t(height - 1 - y) * size_t(out.RowBytes);
        for (const Frame &frame : frames_) {
            const ScanFrameFormat &f = frame.format;
            const auto *row = reinterpret_cast<const uint8_t *>(frame.data.constData()) + qint64(y) * f.bytesPerLine;
            switch (f.kind) {
            case ScanFrameFormat::Gray:
                for (int x = 0; x < width; ++x) {
                    const uint8_t v = sampleAt(row, x, f.depth);
                    dest[x] = f.depth == 1 ? uint8_t(255 - v) : v; // 1-bit: 1 is black
                }
                break;
            case ScanFrameFormat::Rgb:
                for (int x = 0; x < width; ++x) {
                    dest[x * 3 + 2] = sampleAt(row, qint64(x) * 3, f.depth);
                    dest[x * 3 + 1] = sampleAt(row, qint64(x) * 3 + 1, f.depth);
                    dest[x * 3 + 0] = sampleAt(row, qint64(x) * 3 + 2, f.depth);
                }
                break;
            default: {
                // Stored order is blue, green, red.
                const int channel = f.kind == ScanFrameFormat::Red ? 2 : f.kind == ScanFrameFormat::Green ? 1 : 0;
                for (int x = 0; x < width; ++x)
                    dest[x * 3 + channel] = sampleAt(row, x, f.depth);
                break;
            }
            }
        }
    }
    return Error::None;
}
