#pragma once
// Bounds-checked little-endian reader over a byte buffer with a sticky error
// flag: once a read runs past the end, every later read returns 0 and ok()
// stays false. File formats are parsed through this and nothing else.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace plat {
class Reader {
  public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }
    size_t pos() const { return pos_; }
    size_t size() const { return size_; }
    size_t remaining() const { return ok_ ? size_ - pos_ : 0; }
    void fail() { ok_ = false; }
    bool seek(size_t p) {
        if (!ok_ || p > size_) return ok_ = false;
        pos_ = p;
        return true;
    }
    bool skip(size_t n) {
        if (!ok_ || n > size_ - pos_) return ok_ = false;
        pos_ += n;
        return true;
    }
    // Pointer to the next n bytes (and advances), or null after a failure.
    const uint8_t* take(size_t n) {
        if (!ok_ || n > size_ - pos_) {
            ok_ = false;
            return nullptr;
        }
        const uint8_t* p = data_ + pos_;
        pos_ += n;
        return p;
    }
    uint8_t u8() {
        const uint8_t* p = take(1);
        return p ? p[0] : 0;
    }
    uint16_t u16() {
        const uint8_t* p = take(2);
        return p ? uint16_t(p[0] | (p[1] << 8)) : 0;
    }
    uint32_t u32() {
        const uint8_t* p = take(4);
        return p ? uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24)
                 : 0;
    }
    int16_t i16() { return int16_t(u16()); }
    int32_t i32() { return int32_t(u32()); }
    bool bytes(void* dst, size_t n) {
        const uint8_t* p = take(n);
        if (!p) return false;
        if (n) std::memcpy(dst, p, n);
        return true;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};
} // namespace plat
