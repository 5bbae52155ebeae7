// Turns the plain bad-word list (data/badwords.txt) into the scrambled list
// file "badwords.xtm" that the program loads at start-up.
//
// Comment lines ("#") and blank lines are dropped, words are lower-cased,
// and the result is scrambled with the program's own key, so the file only
// works with the program built from the same sources.
//
// Usage: make_badwords INPUT OUTPUT
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "html/content_rating.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "make_badwords: cannot open %s: %s\n", argv[1], std::strerror(errno));
    return 1;
  }
  const std::string plain((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    std::fprintf(stderr, "make_badwords: cannot read %s\n", argv[1]);
    return 1;
  }
  // The program refuses a list file with control characters in it (that is
  // how it tells a file scrambled with another key), so catch them here,
  // where the line can still be named.
  int line = 1;
  for (unsigned char c : plain) {
    if (c == '\n') ++line;
    if ((c < 32 && c != '\t' && c != '\r' && c != '\n') || c == 127) {
      std::fprintf(stderr, "make_badwords: %s:%d: control character 0x%02X in the list\n",
                   argv[1], line, c);
      return 1;
    }
  }
  const std::string scrambled = wb::BuildBadWordsFile(plain);

  // The program must be able to read back what is written.
  wb::BadWordList check;
  std::string why;
  if (!wb::LoadBadWords(scrambled, &check, &why)) {
    std::fprintf(stderr, "make_badwords: %s: %s\n", argv[1], why.c_str());
    return 1;
  }

  std::FILE* f = std::fopen(argv[2], "wb");
  if (f == nullptr) {
    std::fprintf(stderr, "make_badwords: cannot create %s: %s\n", argv[2], std::strerror(errno));
    return 1;
  }
  const bool ok = std::fwrite(scrambled.data(), 1, scrambled.size(), f) == scrambled.size();
  if (std::fclose(f) != 0 || !ok) {
    std::fprintf(stderr, "make_badwords: cannot write %s\n", argv[2]);
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
