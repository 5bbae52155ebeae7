#pragma once
// Bounds-checked little-endian reading and writing of the lexicon's binary
// records.
//
// A lexicon file comes from outside the program, so nothing in it is trusted:
// every read checks that the bytes are there, and the first failure is kept
// with the offset at which it happened. After a failure every further read
// fails too, so a record reader may read all its fields and test once at the
// end without ever touching memory beyond the buffer.
//
// Header-only on purpose: the sense records (syntax library) and the lexicon
// (analysis library) both use it, and neither library may depend on the other
// at link time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wb {

class LexReader {
 public:
  LexReader(std::string_view bytes, std::uint16_t formatVersion = 0)
      : bytes_(bytes), version_(formatVersion) {}

  // The lexicon's format version: some record fields exist only from a given
  // version on.
  std::uint16_t Version() const { return version_; }
  void SetVersion(std::uint16_t v) { version_ = v; }

  std::size_t Offset() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }

  bool Failed() const { return failed_; }
  // What went wrong and the offset of the item that could not be read.
  const std::string& Error() const { return error_; }
  std::size_t ErrorOffset() const { return errorOffset_; }

  // Records a failure (only the first is kept) and returns false.
  bool Fail(std::string_view what, std::size_t offset) {
    if (!failed_) {
      failed_ = true;
      error_.assign(what);
      errorOffset_ = offset;
    }
    return false;
  }

  bool U8(std::uint8_t& v) {
    v = 0;
    if (!Need(1)) return false;
    v = static_cast<std::uint8_t>(bytes_[pos_++]);
    return true;
  }
  bool U16(std::uint16_t& v) {
    v = 0;
    if (!Need(2)) return false;
    v = static_cast<std::uint16_t>(Byte(0) | (Byte(1) << 8));
    pos_ += 2;
    return true;
  }
  bool U64(std::uint64_t& v) {
    v = 0;
    if (!Need(8)) return false;
    for (int i = 7; i >= 0; --i) v = (v << 8) | Byte(static_cast<std::size_t>(i));
    pos_ += 8;
    return true;
  }
  // n raw bytes.
  bool Bytes(std::size_t n, std::string& out) {
    out.clear();
    if (!Need(n)) return false;
    out.assign(bytes_.substr(pos_, n));
    pos_ += n;
    return true;
  }
  // A length byte and that many bytes. The string is read only when all of
  // it is there; the failure offset is that of the length byte.
  bool String(std::string& out) {
    out.clear();
    std::size_t start = pos_;
    std::uint8_t n = 0;
    if (!U8(n)) return false;
    if (n > Remaining()) {
      pos_ = start;
      return Short(1 + static_cast<std::size_t>(n));
    }
    out.assign(bytes_.substr(pos_, n));
    pos_ += n;
    return true;
  }

 private:
  std::uint32_t Byte(std::size_t i) const { return static_cast<unsigned char>(bytes_[pos_ + i]); }
  bool Need(std::size_t n) {
    if (failed_) return false;
    if (n <= Remaining()) return true;
    return Short(n);
  }
  bool Short(std::size_t n) {
    return Fail("unexpected end of file (" + std::to_string(n) + " bytes needed, " +
                    std::to_string(Remaining()) + " left)",
                pos_);
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::uint16_t version_ = 0;
  bool failed_ = false;
  std::string error_;
  std::size_t errorOffset_ = 0;
};

// The exact inverse of LexReader: what the lexicon compiler and the tests use
// to produce a file. A string too long for its length byte makes the writer
// fail instead of writing a record that would read back differently.
class LexWriter {
 public:
  explicit LexWriter(std::uint16_t formatVersion = 0) : version_(formatVersion) {}

  std::uint16_t Version() const { return version_; }
  void SetVersion(std::uint16_t v) { version_ = v; }
  bool Failed() const { return failed_; }
  const std::string& Bytes() const { return out_; }
  std::string& Bytes() { return out_; }

  void U8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v & 0xFF));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U64(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) U8(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
  }
  void Raw(std::string_view s) { out_.append(s); }
  bool String(std::string_view s) {
    if (s.size() > 255) {
      failed_ = true;
      return false;
    }
    U8(static_cast<std::uint8_t>(s.size()));
    Raw(s);
    return true;
  }
  // A string in a fixed slot of 1 + width bytes, padded with zeros.
  bool Slot(std::string_view s, std::size_t width) {
    if (s.size() > width) {
      failed_ = true;
      return false;
    }
    U8(static_cast<std::uint8_t>(s.size()));
    Raw(s);
    out_.append(width - s.size(), '\0');
    return true;
  }
  void Fail() { failed_ = true; }

 private:
  std::string out_;
  std::uint16_t version_ = 0;
  bool failed_ = false;
};

}  // namespace wb
