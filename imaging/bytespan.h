#pragma once
// A bounded read cursor over file bytes for the picture decoders. Reading
// past the end yields zeros and sets failed(); memory outside the span is
// never touched.
#include <QByteArrayView>
#include <QtEndian>
#include <cstdint>

class ByteSpan {
public:
    explicit ByteSpan(QByteArrayView data) : data_(reinterpret_cast<const uint8_t *>(data.data())), size_(size_t(data.size())) {}
    ByteSpan(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    uint8_t u8() { return ensure(1) ? data_[pos_++] : 0; }
    uint16_t le16() { return ensure(2) ? advance(qFromLittleEndian<uint16_t>(data_ + pos_), 2) : 0; }
    uint32_t le32() { return ensure(4) ? advance(qFromLittleEndian<uint32_t>(data_ + pos_), 4) : 0; }
    uint16_t be16() { return ensure(2) ? advance(qFromBigEndian<uint16_t>(data_ + pos_), 2) : 0; }
    uint32_t be32() { return ensure(4) ? advance(qFromBigEndian<uint32_t>(data_ + pos_), 4) : 0; }

    // A pointer to the next n bytes, or null (and failed) when fewer remain.
    const uint8_t *take(size_t n)
    {
        if (!ensure(n))
            return nullptr;
        const uint8_t *p = data_ + pos_;
        pos_ += n;
        return p;
    }
    void skip(size_t n) { take(n); }
    void seek(size_t pos)
    {
        if (pos > size_)
            fail();
        else
            pos_ = pos;
    }
    // A cursor over the next n bytes (clamped to what remains; failed when short).
    ByteSpan sub(size_t n)
    {
        const size_t avail = n <= remaining() ? n : remaining();
        ByteSpan s(data_ + pos_, avail);
        if (avail < n) {
            s.failed_ = true;
            failed_ = true;
        }
        pos_ += avail;
        return s;
    }

    bool failed() const { return failed_; }
    bool atEnd() const { return pos_ >= size_; }
    size_t position() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }
    size_t size() const { return size_; }
    const uint8_t *data() const { return data_; }

private:
    bool ensure(size_t n)
    {
        if (failed_ || size_ - pos_ < n) {
            fail();
            return false;
        }
        return true;
    }
    void fail()
    {
        failed_ = true;
        pos_ = size_;
    }
    template <typename T> T advance(T v, size_t n)
    {
        pos_ += n;
        return v;
    }

    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
    bool failed_ = false;
};
