// Picture sizes and the screen's colour depth.
#include "render/raster.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
int32_t &screenDepthOverride()
{
    static int32_t depth = 0;
    return depth;
}
}

int32_t DibWidth(const DibImage &dib)
{
    return dib.Info ? dib.Info->header.biWidth : 0;
}

int32_t DibHeight(const DibImage &dib)
{
    return dib.Info ? dib.Info->header.biHeight : 0;
}

int32_t DibBitCount(const DibImage &dib)
{
    return dib.Info ? dib.Info->header.biBitCount : 0;
}

int32_t DibColorCount(const DibImage &dib)
{
    const int32_t bits = DibBitCount(dib);
    // 2^24 still fits; deeper headers would overflow and are not pictures of ours.
    return bits >= 0 && bits <= 24 ? int32_t(1) << bits : 0;
}

int32_t ScreenColorDepth()
{
    if (screenDepthOverride() > 0)
        return screenDepthOverride();
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            return screen->depth();
    return 32;
}

void setScreenColorDepthOverride(int32_t bitsPerPixel)
{
    screenDepthOverride() = bitsPerPixel;
}
