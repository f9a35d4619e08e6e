#pragma once
// Little-endian readers and writers for the program's untyped byte-stream files.
#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <cstring>
#include <string>

class ByteWriter {
public:
    void i32(int32_t v) { put(qToLittleEndian(v)); }
    void u8(uint8_t v) { data_.push_back(char(v)); }
    void f64(double v)
    {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        put(qToLittleEndian(bits));
    }
    void raw(const void *p, size_t n) { data_.append(static_cast<const char *>(p), n); }
    void raw(QByteArrayView bytes) { data_.append(bytes.data(), size_t(bytes.size())); }
    // The characters followed by one zero byte.
    void zstring(QByteArrayView s)
    {
        raw(s);
        u8(0);
    }
    QByteArray take()
    {
        QByteArray bytes(data_.data(), qsizetype(data_.size()));
        data_.clear();
        return bytes;
    }
    qsizetype size() const { return qsizetype(data_.size()); }
    QByteArrayView view() const { return QByteArrayView(data_.data(), size()); }
    // Starts again, keeping the memory for the next bytes.
    void clear() { data_.clear(); }
    void reserve(qsizetype n) { data_.reserve(size_t(n)); }

private:
    template <typename T> void put(T v) { data_.append(reinterpret_cast<const char *>(&v), sizeof v); }
    // A standard string appends small pieces much faster than a QByteArray.
    std::string data_;
};

// Reads from a bounded buffer. Reading past the end yields zeros and sets failed();
// it never touches memory outside the buffer.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView data) : data_(data) {}

    int32_t i32() { return qFromLittleEndian(get<int32_t>()); }
    uint8_t u8() { return get<uint8_t>(); }
    double f64()
    {
        const uint64_t bits = qFromLittleEndian(get<uint64_t>());
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    void raw(void *out, size_t n)
    {
        if (!ensure(n)) {
            std::memset(out, 0, n);
            return;
        }
        std::memcpy(out, data_.data() + pos_, n);
        pos_ += qsizetype(n);
    }
    QByteArrayView bytes(qsizetype n)
    {
        if (!ensure(size_t(n)))
            return {};
        QByteArrayView v = data_.sliced(pos_, n);
        pos_ += n;
        return v;
    }
    // Bytes up to the next zero byte, which is consumed. Without a terminator the
    // rest of the buffer is returned and failed() is set.
    QByteArray zstring()
    {
        const qsizetype end = data_.indexOf('\0', pos_);
        if (end < 0) {
            QByteArray rest = data_.sliced(pos_).toByteArray();
            pos_ = data_.size();
            failed_ = true;
            return rest;
        }
        QByteArray s = data_.sliced(pos_, end - pos_).toByteArray();
        pos_ = end + 1;
        return s;
    }

    bool failed() const { return failed_; }
    bool atEnd() const { return pos_ >= data_.size(); }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return data_.size() - pos_; }

private:
    bool ensure(size_t n)
    {
        if (failed_ || size_t(data_.size() - pos_) < n) {
            failed_ = true;
            pos_ = data_.size();
            return false;
        }
        return true;
    }
    template <typename T> T get()
    {
        T v{};
        raw(&v, sizeof v);
        return v;
    }

    QByteArrayView data_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};
