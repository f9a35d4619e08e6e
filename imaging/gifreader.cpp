// GIF reading through giflib, so that palette pictures keep their palette.
#include "imaging/dibcodecs.h"

#include <gif_lib.h>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct MemorySource {
    const uint8_t *data;
    size_t size, pos;
};

int readFromMemory(GifFileType *gif, GifByteType *out, int length)
{
    auto *src = static_cast<MemorySource *>(gif->UserData);
    const size_t n = std::min(size_t(length), src->size - src->pos);
    std::memcpy(out, src->data + src->pos, n);
    src->pos += n;
    return int(n);
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

bool skipExtension(GifFileType *gif)
{
    int code = 0;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK)
        return false;
    while (block) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK)
            return false;
    }
    return true;
}

// Rows in the order an interlaced image delivers them.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass])
            rows.push_back(y);
    return rows;
}

} // namespace

bool isGif(QByteArrayView file)
{
    return file.startsWith("GIF87a") || file.startsWith("GIF89a");
}

DibImage decodeGif(QByteArrayView file)
{
    if (!isGif(file))
        return DibImage{};
    MemorySource source{reinterpret_cast<const uint8_t *>(file.data()), size_t(file.size()), 0};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, readFromMemory, &error));
    if (!gif)
        return DibImage{};

    GifRecordType record;
    do {
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK)
            return DibImage{};
        if (record == EXTENSION_RECORD_TYPE && !skipExtension(gif.get()))
            return DibImage{};
    } while (record != IMAGE_DESC_RECORD_TYPE && record != TERMINATE_RECORD_TYPE);
    if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif.get()) != GIF_OK)
        return DibImage{};

    // The first image only; it is placed on the logical screen when it fits.
    const GifImageDesc &frame = gif->Image;
    const ColorMapObject *map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || frame.Width <= 0 || frame.Height <= 0 || frame.Width > MaxDibSide || frame.Height > MaxDibSide
        || !pictureBackedByData(int64_t(frame.Width) * frame.Height, file.size()))
        return DibImage{};
    // A logical screen far larger than the file could fill is ignored: only the frame is kept.
    const bool onScreen = frame.Left + frame.Width <= gif->SWidth && frame.Top + frame.Height <= gif->SHeight
                          && gif->SWidth <= MaxDibSide && gif->SHeight <= MaxDibSide
                          && pictureBackedByData(int64_t(gif->SWidth) * gif->SHeight, file.size());
    const int width = onScreen ? gif->SWidth : frame.Width;
    const int height = onScreen ? gif->SHeight : frame.Height;
    const int left = onScreen ? frame.Left : 0, top = onScreen ? frame.Top : 0;
    const int colours = std::min(map->ColorCount, 256);
    const int depth = colours <= 2 ? 1 : (colours <= 16 ? 4 : 8);

    DibImage dib;
    if (!newdib(dib, width, height, depth))
        return DibImage{};
    for (int i = 0; i < (1 << depth); ++i) {
        const GifColorType c = i < colours ? map->Colors[i] : GifColorType{0, 0, 0};
        dib.Info->colors[i] = {c.Blue, c.Green, c.Red, 0};
    }
    dibUpdatePalette(dib);
    if (width != frame.Width || height != frame.Height) {
        // The screen's background colour, repeated in every pixel of every byte.
        const int background = gif->SBackGroundColor < (1 << depth) ? gif->SBackGroundColor : 0;
        const uint8_t filler = depth == 1 ? (background ? 0xFF : 0x00) : depth == 4 ? uint8_t(background * 0x11)
                                                                                     : uint8_t(background);
        std::memset(dib.Bits, filler, size_t(dib.RowBytes) * size_t(height));
    }
    std::vector<GifPixelType> line(size_t(frame.Width));
    for (int y : rowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif.get(), line.data(), frame.Width) != GIF_OK) {
            deldib(dib);
            return DibImage{};
        }
        for (int x = 0; x < frame.Width; ++x)
            setpixel(dib, left + x, top + y, line[x] < colours ? line[x] : 0);
    }
    return dib;
}
