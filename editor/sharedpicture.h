#pragma once
// A picture kept alive for as long as this holder exists, without copying its
// pixels: the edit history and the clipboard hold the pictures of elements that
// the card may already have released.
#include "imaging/GrafikRW.h"

#include <cstdint>
#include <memory>

class SharedPicture {
public:
    SharedPicture() = default;
    // Becomes one more holder of the picture (nothing for the empty record).
    explicit SharedPicture(const DibImage &dib)
    {
        if (dib.Bits)
            dib_ = std::make_unique<DibImage>(dibShare(dib));
    }
    SharedPicture(const SharedPicture &other) : SharedPicture(other.dib_ ? *other.dib_ : DibImage{}) {}
    SharedPicture(SharedPicture &&other) noexcept = default;
    SharedPicture &operator=(SharedPicture other) noexcept
    {
        std::swap(dib_, other.dib_);
        return *this;
    }
    ~SharedPicture()
    {
        if (dib_)
            deldib(*dib_);
    }

    // A record for a slot or the background, which then holds the picture too
    // and releases it as usual. The empty record when there is no picture.
    DibImage share() const { return dib_ ? dibShare(*dib_) : DibImage{}; }
    // Which picture this is: two holders of the same picture compare equal.
    const uint8_t *identity() const { return dib_ ? dib_->Bits : nullptr; }

private:
    std::unique_ptr<DibImage> dib_;
};
