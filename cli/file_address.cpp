#include "cli/file_address.h"

#include <cstring>

namespace wb {

namespace {

void AppendEscaped(std::string& out, unsigned char c) {
  static const char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[c >> 4];
  out += kHex[c & 15];
}

bool PlainInPath(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return c != '\0' && std::strchr("-._~/!$'()*+,;=:@", c) != nullptr;
}

}  // namespace

std::string FileAddress(std::string_view absolutePath) {
  std::string out = "file://";
  for (char ch : absolutePath) {
    const auto c = static_cast<unsigned char>(ch);
    if (PlainInPath(c))
      out += ch;
    else
      AppendEscaped(out, c);
  }
  return out;
}

std::string SafePageAddress(std::string_view address) {
  if (address.size() >= 2 && address.front() == '"' && address.back() == '"') {
    address.remove_prefix(1);
    address.remove_suffix(1);
  }
  std::string out;
  for (char ch : address) {
    const auto c = static_cast<unsigned char>(ch);
    if (c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '`')
      AppendEscaped(out, c);
    else
      out += ch;
  }
  return out;
}

}  // namespace wb
