#include "html/entities.h"

#include "html/page_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace wb {
namespace {

// The 96 HTML names for the bytes 160..255, in byte order.
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

// The same names as one text, joined by ";" with none after the last. The
// foreign-text test searches this text as a plain string, which is why
// "yuml;" is not found in it.
constexpr std::string_view kLatin1List =
    "nbsp;iexcl;cent;pound;curren;yen;brvbar;sect;uml;copy;ordf;laquo;not;shy;"
    "reg;macr;deg;plusmn;sup2;sup3;acute;micro;para;middot;cedil;sup1;ordm;"
    "raquo;frac14;frac12;frac34;iquest;Agrave;Aacute;Acirc;Atilde;Auml;Aring;"
    "AElig;Ccedil;Egrave;Eacute;Ecirc;Euml;Igrave;Iacute;Icirc;Iuml;ETH;Ntilde;"
    "Ograve;Oacute;Ocirc;Otilde;Ouml;times;Oslash;Ugrave;Uacute;Ucirc;Uuml;"
    "Yacute;THORN;szlig;agrave;aacute;acirc;atilde;auml;aring;aelig;ccedil;"
    "egrave;eacute;ecirc;euml;igrave;iacute;icirc;iuml;eth;ntilde;ograve;"
    "oacute;ocirc;otilde;ouml;divide;oslash;ugrave;uacute;ucirc;uuml;yacute;"
    "thorn;yuml";

// Greek letters and symbols: these do not mark a text as foreign, because the
// translator passes them through untouched. Each name is followed by ";".
constexpr std::string_view kSymbolList =
    "Alpha;Beta;Gamma;Delta;Epsilon;Zeta;Eta;Theta;Iota;Kappa;Lambda;Mu;Nu;Xi;"
    "Omicron;Pi;Rho;Sigma;Tau;Upsilon;Phi;Chi;Psi;Omega;alpha;beta;gamma;delta;"
    "epsilon;zeta;eta;theta;iota;kappa;lambda;mu;nu;xi;omicron;pi;rho;sigmaf;"
    "sigma;tau;upsilon;phi;chi;psi;omega;thetasym;upsih;piv;bull;hellip;prime;"
    "Prime;oline;frasl;weierp;image;real;trade;alefsym;larr;uarr;rarr;darr;harr;"
    "crarr;lArr;uArr;rArr;dArr;hArr;forall;part;exist;empty;nabla;isin;notin;ni;"
    "prod;sum;minus;lowast;radic;prop;infin;ang;and;or;cap;cup;int;there4;sim;"
    "cong;asymp;ne;equiv;le;ge;sub;sup;nsub;sube;supe;oplus;otimes;perp;sdot;"
    "lceil;rceil;lfloor;rfloor;lang;rang;loz;spades;clubs;hearts;diams;OElig;"
    "oelig;Scaron;scaron;Yuml;circ;tilde;ensp;emsp;thinsp;zwnj;zwj;lrm;rlm;"
    "ndash;mdash;lsquo;rsquo;sbquo;ldquo;rdquo;bdquo;dagger;Dagger;permil;"
    "lsaquo;rsaquo;";

// The entities HTML needs for its own syntax, and the numeric references that
// must stay references for the same reason.
constexpr std::string_view kMarkupList = "quot;amp;lt;gt;";
constexpr std::string_view kKeptNumericList = "quot;amp;lt;gt;34;38;60;62";

// A reference that is not a plain decimal number stands for a no-break space.
constexpr int kIllFormedReference = 160;

bool InList(std::string_view list, std::string_view name) {
  // An empty name is never "in" a list: with no ";" there is no entity.
  return !name.empty() && list.find(name) != std::string_view::npos;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Removes leading and trailing bytes of value 32 or less.
std::string_view TrimControls(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

// The name with its ";": from the second byte up to and including the first
// ";". Empty when there is no ";".
std::string_view CurrentEntity(std::string_view s) {
  const std::size_t semi = s.find(';');
  if (semi == std::string_view::npos || semi == 0) return {};
  return s.substr(1, semi);
}

// A decimal number of at most 32-bit size; -1 when the digits are not one.
long ParseDecimal(std::string_view digits) {
  if (digits.empty()) return -1;
  long value = 0;
  for (char ch : digits) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
    if (value > 2147483647L) return -1;
  }
  return value;
}

}  // namespace

int Big5Table::IndexOf(unsigned char lead, unsigned char trail) {
  if (lead < kLeadFirst || lead > kLeadLast) return -1;
  int column;
  if (trail >= 0x40 && trail <= 0x7E) {
    column = trail - 0x40;
  } else if (trail >= 0xA1 && trail <= 0xFE) {
    column = trail - 0xA1 + 63;
  } else {
    return -1;
  }
  return (lead - kLeadFirst) * kColumns + column;
}

std::uint16_t Big5Table::Lookup(unsigned char lead, unsigned char trail) const {
  const int index = IndexOf(lead, trail);
  return index < 0 ? 0 : entries_[static_cast<std::size_t>(index)];
}

std::size_t Big5Table::MappedCount() const {
  std::size_t n = 0;
  for (std::uint16_t e : entries_) n += e != 0 ? 1 : 0;
  return n;
}

bool Big5Table::LoadFromBytes(std::string_view bytes, std::string* error) {
  if (bytes.size() != kFileSize) {
    if (error) {
      *error = "holds " + std::to_string(bytes.size()) + " bytes; a Big5 table has " +
               std::to_string(kFileSize);
    }
    return false;
  }
  std::array<std::uint16_t, kEntryCount> loaded{};
  for (std::size_t i = 0; i < kEntryCount; ++i) {
    const auto lo = static_cast<unsigned char>(bytes[2 * i]);
    const auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
    const auto code = static_cast<std::uint16_t>(lo | (hi << 8));
    // The low byte is the GB lead byte, the high byte its trail.
    if (code != 0 && (lo < 0x81 || lo == 0xFF || hi < 0x40 || hi == 0x7F || hi == 0xFF)) {
      if (error) {
        *error = "entry " + std::to_string(i) + " (byte offset " + std::to_string(2 * i) +
                 ") is not a GB code; the file is not a Big5 table";
      }
      return false;
    }
    loaded[i] = code;
  }
  entries_ = loaded;
  return true;
}

bool Big5Table::LoadFromFile(const std::string& path, std::string* error) {
  std::string bytes, why;
  // One byte more than a table is enough to tell an oversized file apart.
  if (!ReadWholeFile(path, bytes, why, kFileSize + 1) || !LoadFromBytes(bytes, &why)) {
    if (error) *error = "Big5 table " + (why.rfind(path, 0) == 0 ? why : "\"" + path + "\": " + why);
    return false;
  }
  return true;
}

bool LooksLikeBig5(std::string_view text) {
  const std::string_view window = text.substr(0, std::min(text.size(), kBig5SniffLength));
  long gbPairs = 0;
  long big5Pairs = 0;
  std::size_t i = 0;
  while (i < window.size()) {
    const auto lead = static_cast<unsigned char>(window[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (i + 1 >= window.size()) break;  // a lead byte with no partner
    const auto trail = static_cast<unsigned char>(window[i + 1]);
    if (lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE) ++gbPairs;
    if (lead >= 0xA1 && lead <= 0xF9 && trail >= 0x40 && trail <= 0xFE) ++big5Pairs;
    i += 2;
  }
  return big5Pairs > gbPairs;
}

std::string Big5ToGb(const Big5Table& table, std::string_view text) {
  std::string out(text);
  std::size_t i = 0;
  while (i + 1 < out.size()) {
    const auto lead = static_cast<unsigned char>(out[i]);
    const auto trail = static_cast<unsigned char>(out[i + 1]);
    const std::uint16_t gb = table.Lookup(lead, trail);
    if (gb != 0) {
      out[i] = static_cast<char>(gb & 0xFF);
      out[i + 1] = static_cast<char>(gb >> 8);
      i += 2;
    } else {
      // Unmapped or not a pair: the next byte may start one.
      ++i;
    }
  }
  return out;
}

bool HasForeignEntity(std::string_view text) {
  const std::size_t amp = text.find('&');
  if (amp == std::string_view::npos) return false;
  std::string_view rest = TrimControls(text.substr(amp));
  std::string_view entity = CurrentEntity(rest);
  // Symbol and mark-up entities are passed over: they do not stop
  // translation. Note that after the first one, the rest need not start
  // with "&"; the name is still taken from its second byte on.
  while (rest.find(';') != std::string_view::npos &&
         (InList(kSymbolList, entity) || InList(kMarkupList, entity))) {
    rest = TrimControls(rest.substr(rest.find(';') + 1));
    entity = CurrentEntity(rest);
  }
  if (rest.empty()) return false;
  if (rest.size() >= 3 && rest[1] == '#' && IsDigit(static_cast<unsigned char>(rest[2]))) {
    return true;
  }
  return rest.find(';') != std::string_view::npos && InList(kLatin1List, entity);
}

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t amp = text.find('&', pos);
    if (amp == std::string_view::npos) {
      out.append(text.substr(pos));
      break;
    }
    out.append(text.substr(pos, amp - pos));
    const std::size_t semi = text.find(';', amp + 1);
    if (semi == std::string_view::npos) {
      out.append(text.substr(amp));
      break;
    }
    const std::string_view name = text.substr(amp + 1, semi - amp - 1);
    if (name.size() >= 2 && name[0] == '#' && IsDigit(static_cast<unsigned char>(name[1]))) {
      long number = ParseDecimal(name.substr(1));
      if (number < 0) number = kIllFormedReference;
      const std::string digits = std::to_string(number);
      if (number <= 255 && kKeptNumericList.find(digits) == std::string_view::npos) {
        out.push_back(static_cast<char>(static_cast<unsigned char>(number)));
      } else {
        out.append("&#").append(digits).push_back(';');
      }
    } else {
      bool decoded = false;
      for (std::size_t k = 0; k < kLatin1Names.size(); ++k) {
        if (name == kLatin1Names[k]) {
          out.push_back(static_cast<char>(static_cast<unsigned char>(160 + k)));
          decoded = true;
          break;
        }
      }
      if (!decoded) out.append(text.substr(amp, semi - amp + 1));
    }
    pos = semi + 1;
  }
  return out;
}

}  // namespace wb
