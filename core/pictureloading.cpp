#include "core/pictureloading.h"

// Picture reading arrives with the image library; until then pictures stay empty.
bool loadPictureByRule(DibImage &picture, const QByteArray &, const QString &)
{
    picture = DibImage{};
    return false;
}

void applyStoredRotation(DibImage &, int32_t)
{
}
