// GIF writing through giflib.
#include "imaging/dibcodecs.h"

#include <gif_lib.h>
#include <memory>
#include <vector>

namespace {

int appendToByteArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

struct MapDeleter {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

bool writeGif(const DibImage &indexed, int colours, QByteArray &out)
{
    const DibInfoHeader &h = indexed.Info->header;
    int mapSize = 2; // giflib wants a power of two
    while (mapSize < colours)
        mapSize *= 2;
    std::vector<GifColorType> table(size_t(mapSize), GifColorType{0, 0, 0});
    for (int i = 0; i < colours; ++i)
        table[i] = {indexed.Info->colors[i].rgbRed, indexed.Info->colors[i].rgbGreen, indexed.Info->colors[i].rgbBlue};
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(mapSize, table.data()));
    if (!map)
        return false;

    int error = 0;
    GifFileType *gif = EGifOpen(&out, appendToByteArray, &error);
    if (!gif)
        return false;
    bool ok = EGifPutScreenDesc(gif, h.biWidth, h.biHeight, 8, 0, map.get()) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, h.biWidth, h.biHeight, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(size_t(h.biWidth));
    for (int32_t y = 0; ok && y < h.biHeight; ++y) {
        const uint8_t *row = indexed.Bits + size_t(h.biHeight - 1 - y) * size_t(indexed.RowBytes);
        for (int32_t x = 0; x < h.biWidth; ++x)
            line[x] = GifPixelType(row[x] < mapSize ? row[x] : 0);
        ok = EGifPutLine(gif, line.data(), h.biWidth) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    return ok;
}

} // namespace

bool encodeGif(const DibImage &dib, QByteArray &out)
{
    if (!dibIsWellFormed(dib))
        return false;
    DibImage indexed = reduceTo256Colours(dib);
    if (indexed.isEmpty())
        return false;
    const int depth = dib.Info->header.biBitCount;
    int colours = 256;
    if (depth < 8)
        colours = 1 << depth;
    else if (depth == 24 && indexed.Info->header.biClrUsed > 0)
        colours = int(indexed.Info->header.biClrUsed);
    out.clear();
    const bool ok = writeGif(indexed, colours, out);
    deldib(indexed);
    return ok;
}
