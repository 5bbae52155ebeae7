// Builds the Big5-to-GB table file "big52gb" with the C library's iconv.
//
// For every Big5 code the table covers (lead 0xA1..0xF9, trail 0x40..0x7E or
// 0xA1..0xFE) the entry is the GB2312 code the BIG5 -> GB2312 conversion
// gives; a character outside GB2312 gets its GBK code (BIG5 -> GBK) so that
// traditional-only characters still show; anything else is 0. Entries are
// written in index order, two bytes each, the GB lead byte first (the low
// byte of the 16-bit entry).
//
// The result depends on the C library's conversion tables, so it is made
// once and kept under data/; data/big52gb.README says how.
//
// Usage: make_big52gb OUTPUT
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "html/entities.h"

namespace {

// Converts one Big5 pair; true with the two output bytes when the conversion
// gives exactly one double-byte character.
bool ConvertPair(iconv_t cd, unsigned char lead, unsigned char trail, unsigned char out[2]) {
  char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  char buf[8];
  char* inPtr = in;
  size_t inLeft = sizeof in;
  char* outPtr = buf;
  size_t outLeft = sizeof buf;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  if (r == static_cast<size_t>(-1) || inLeft != 0) return false;
  // A conversion that had to approximate reports irreversible conversions.
  if (r != 0) return false;
  if (sizeof buf - outLeft != 2) return false;
  out[0] = static_cast<unsigned char>(buf[0]);
  out[1] = static_cast<unsigned char>(buf[1]);
  return out[0] >= 0x81 && out[1] >= 0x40;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  iconv_t toGb2312 = iconv_open("GB2312", "BIG5");
  iconv_t toGbk = iconv_open("GBK", "BIG5");
  if (toGb2312 == reinterpret_cast<iconv_t>(-1) || toGbk == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "make_big52gb: this C library cannot convert BIG5 to GB2312/GBK: %s\n",
                 std::strerror(errno));
    return 1;
  }

  std::string bytes(wb::Big5Table::kFileSize, '\0');
  int fromGb2312 = 0;
  int fromGbk = 0;
  int unmapped = 0;
  for (int lead = wb::Big5Table::kLeadFirst; lead <= wb::Big5Table::kLeadLast; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const int index = wb::Big5Table::IndexOf(static_cast<unsigned char>(lead),
                                               static_cast<unsigned char>(trail));
      if (index < 0) continue;
      unsigned char gb[2];
      if (ConvertPair(toGb2312, static_cast<unsigned char>(lead),
                      static_cast<unsigned char>(trail), gb)) {
        ++fromGb2312;
      } else if (ConvertPair(toGbk, static_cast<unsigned char>(lead),
                             static_cast<unsigned char>(trail), gb)) {
        ++fromGbk;
      } else {
        ++unmapped;
        continue;
      }
      bytes[2 * static_cast<size_t>(index)] = static_cast<char>(gb[0]);
      bytes[2 * static_cast<size_t>(index) + 1] = static_cast<char>(gb[1]);
    }
  }
  iconv_close(toGb2312);
  iconv_close(toGbk);

  // Check the result the way the program will read it.
  wb::Big5Table check;
  std::string why;
  if (!check.LoadFromBytes(bytes, &why)) {
    std::fprintf(stderr, "make_big52gb: the table built is not valid: %s\n", why.c_str());
    return 1;
  }

  std::FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr) {
    std::fprintf(stderr, "make_big52gb: cannot create %s: %s\n", argv[1], std::strerror(errno));
    return 1;
  }
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !ok) {
    std::fprintf(stderr, "make_big52gb: cannot write %s\n", argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  std::printf("make_big52gb: %d codes from GB2312, %d from GBK, %d without a GB code\n",
              fromGb2312, fromGbk, unmapped);
  return 0;
}
