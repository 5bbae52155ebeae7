#pragma once
// Length-prefixed byte strings: the engine's one string value type.
//
// Every text inside the engine (a sentence, a word, a Chinese equivalent) is a
// byte string of bounded length. English is ASCII, Chinese is GBK. Assigning
// or appending more than fits keeps the first bytes and drops the rest: the
// limits are real limits with a defined truncation, never an overrun.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace wb {

template <std::size_t Max = 255>
class ShortString {
  static_assert(Max >= 1 && Max <= 255, "a length byte holds at most 255");

 public:
  static constexpr std::size_t kCapacity = Max;

  ShortString() = default;
  ShortString(std::string_view s) { assign(s); }  // NOLINT: implicit by design
  ShortString& operator=(std::string_view s) {
    assign(s);
    return *this;
  }

  void assign(std::string_view s) {
    len_ = static_cast<std::uint8_t>(s.size() < Max ? s.size() : Max);
    if (len_ != 0) std::memcpy(data_, s.data(), len_);
  }
  // Appends as much of s as fits; returns false when something was cut.
  bool append(std::string_view s) {
    std::size_t room = Max - len_;
    std::size_t n = s.size() < room ? s.size() : room;
    if (n != 0) std::memcpy(data_ + len_, s.data(), n);
    len_ = static_cast<std::uint8_t>(len_ + n);
    return n == s.size();
  }
  bool push_back(char c) { return append(std::string_view(&c, 1)); }
  void pop_back() {
    if (len_ != 0) --len_;
  }
  void resize_down(std::size_t n) {
    if (n < len_) len_ = static_cast<std::uint8_t>(n);
  }
  void clear() { len_ = 0; }

  std::size_t size() const { return len_; }
  bool empty() const { return len_ == 0; }
  char operator[](std::size_t i) const { return data_[i]; }
  char& operator[](std::size_t i) { return data_[i]; }
  // The last byte; call only when not empty.
  char back() const { return data_[len_ - 1]; }
  std::string_view view() const { return std::string_view(data_, len_); }
  std::string str() const { return std::string(data_, len_); }

  friend bool operator==(const ShortString& a, const ShortString& b) { return a.view() == b.view(); }
  friend bool operator==(const ShortString& a, std::string_view b) { return a.view() == b; }

 private:
  std::uint8_t len_ = 0;
  char data_[Max];
};

using Str255 = ShortString<255>;

}  // namespace wb
