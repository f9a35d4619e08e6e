#pragma once
// Shared set-up of the fuzz targets: a headless Qt application, messages
// answered with OK, and the input as a byte view.
#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

// Call once at the start of every input; cheap after the first call.
void fuzzSetUp();

inline QByteArrayView fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}
