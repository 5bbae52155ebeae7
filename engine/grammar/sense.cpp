#include "engine/grammar/sense.h"

#include <type_traits>
#include <utility>

namespace wb {

namespace {

constexpr std::string_view kRenderingNames[] = {"mod=", "stype=", "pos=", "vmot="};

bool ReadStringList(LexReader& in, std::vector<std::string>& list) {
  list.clear();
  std::uint8_t n = 0;
  if (!in.U8(n)) return false;
  // The count is not trusted for the allocation: every string needs at least
  // its length byte, so a count larger than what is left fails at once.
  if (n > in.Remaining()) return in.Fail("string list runs past the end of file", in.Offset() - 1);
  list.reserve(n);
  for (int i = 0; i < n; ++i) {
    std::string s;
    if (!in.String(s)) return false;
    list.push_back(std::move(s));
  }
  return true;
}

bool WriteStringList(const std::vector<std::string>& list, LexWriter& out) {
  if (list.size() > 255) return false;
  out.U8(static_cast<std::uint8_t>(list.size()));
  for (const std::string& s : list)
    if (!out.String(s)) return false;
  return true;
}

bool ReadNoun(LexReader& in, NounFields& f) {
  in.U16(f.codes);
  for (std::uint8_t& c : f.classes) in.U8(c);
  ReadStringList(in, f.strings);
  in.U8(f.domain);
  in.U8(f.classifier);
  if (in.Version() >= lex_version::kNounContext) in.String(f.context);
  return !in.Failed();
}

bool ReadVerb(LexReader& in, VerbFields& f) {
  in.U64(f.codes);
  if (in.Version() < lex_version::kNoLegacyVerbTexts) {
    if (HasVerbCode(f.codes, vc::wv4)) in.String(f.legacy4);
    if (HasVerbCode(f.codes, vc::wv5)) in.String(f.legacy5);
  }
  std::size_t countAt = in.Offset();
  if (!in.U8(f.constraintCount)) return false;
  if (f.constraintCount > kMaxConstraints)
    return in.Fail("verb sense with " + std::to_string(f.constraintCount) + " constraints (at most 4)", countAt);
  for (int i = 0; i < f.constraintCount; ++i) in.U8(f.constraints[static_cast<std::size_t>(i)]);
  if (!ReadStringList(in, f.renderings)) return false;
  if (in.Version() < lex_version::kCodedRenderings)
    for (std::string& r : f.renderings) r = ConvertOldRendering(r);
  in.U8(f.last);
  return !in.Failed();
}

}  // namespace

Sense Sense::OfType(std::uint16_t type) {
  Sense s;
  s.type = IsSenseType(type) ? type : sense_type::kPlain;
  switch (s.type) {
    case sense_type::kNoun: s.fields = NounFields{}; break;
    case sense_type::kVerb: s.fields = VerbFields{}; break;
    case sense_type::kValue:
    case sense_type::kAt:
    case sense_type::kValue2: s.fields = WordField{}; break;
    case sense_type::kPair: s.fields = PairFields{}; break;
    case sense_type::kByteList: s.fields = ByteListFields{}; break;
    case sense_type::kValueByte: s.fields = WordByteFields{}; break;
    case sense_type::kSub:
    case sense_type::kHow:
    case sense_type::kMod: s.fields = ByteFields{}; break;
    default: s.fields = NoFields{}; break;
  }
  return s;
}

std::uint16_t Sense::Value() const {
  const WordField* w = std::get_if<WordField>(&fields);
  return w ? w->value : 0;
}

std::uint8_t Sense::FlagByte() const {
  auto low = [](std::uint64_t v) { return static_cast<std::uint8_t>(v & 0xFF); };
  return std::visit(
      [&](const auto& f) -> std::uint8_t {
        using T = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<T, NounFields> || std::is_same_v<T, VerbFields>) return low(f.codes);
        else if constexpr (std::is_same_v<T, WordField> || std::is_same_v<T, WordByteFields>) return low(f.value);
        else if constexpr (std::is_same_v<T, PairFields> || std::is_same_v<T, ByteListFields> ||
                           std::is_same_v<T, ByteFields>) return f.first;
        else return 0;
      },
      fields);
}

ShortString<3> SenseLabel(const Sense& s) {
  switch (s.type) {
    case sense_type::kSub: return ShortString<3>("sub");
    case sense_type::kHow: return ShortString<3>("how");
    case sense_type::kMod: return ShortString<3>("mod");
    // A non-zero value reads "t", zero "a".
    case sense_type::kAt: return ShortString<3>(s.Value() != 0 ? "t" : "a");
    default: return ShortString<3>();
  }
}

std::string ConvertOldRendering(std::string_view old) {
  if (old.size() >= 2 && old.front() == '"' && old.back() == '"') {
    std::string coded(1, static_cast<char>(rendering::kVmot));
    coded.append(old.substr(1, old.size() - 2));
    return coded;
  }
  for (std::size_t k = 0; k < std::size(kRenderingNames); ++k) {
    if (old.substr(0, kRenderingNames[k].size()) == kRenderingNames[k]) {
      std::string coded(1, static_cast<char>(k + 1));
      coded.append(old.substr(kRenderingNames[k].size()));
      return coded;
    }
  }
  return std::string(old);
}

bool OldRendering(std::string_view coded, std::string& old) {
  old.clear();
  std::uint8_t kind = coded.empty() ? 0 : static_cast<std::uint8_t>(coded[0]);
  if (kind == rendering::kVmot) {
    old.push_back('"');
    old.append(coded.substr(1));
    old.push_back('"');
  } else if (kind >= rendering::kMod && kind <= rendering::kPos) {
    old.append(kRenderingNames[kind - 1]);
    old.append(coded.substr(1));
  } else {
    old.assign(coded);
  }
  // Only what reads back unchanged has an older form.
  return old.size() <= 255 && ConvertOldRendering(old) == coded;
}

bool ReadSense(std::uint16_t type, LexReader& in, Sense& out) {
  if (!IsSenseType(type)) return in.Fail("not a sense record type " + std::to_string(type), in.Offset());
  out = Sense::OfType(type);
  in.U8(out.category);
  in.String(out.text);
  if (in.Failed()) return false;
  bool v88 = in.Version() >= lex_version::kSubSecondByte;
  bool ok = std::visit(
      [&](auto& f) -> bool {
        using T = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<T, NounFields>) {
          return ReadNoun(in, f);
        } else if constexpr (std::is_same_v<T, VerbFields>) {
          return ReadVerb(in, f);
        } else if constexpr (std::is_same_v<T, WordField>) {
          return in.U16(f.value);
        } else if constexpr (std::is_same_v<T, PairFields>) {
          in.U16(f.first);
          in.U16(f.second);
          if (in.Version() >= lex_version::kPairStrings) ReadStringList(in, f.strings);
          return !in.Failed();
        } else if constexpr (std::is_same_v<T, ByteListFields>) {
          in.U8(f.first);
          ReadStringList(in, f.strings);
          in.U8(f.last);
          return !in.Failed();
        } else if constexpr (std::is_same_v<T, WordByteFields>) {
          in.U16(f.value);
          return in.U8(f.byte);
        } else if constexpr (std::is_same_v<T, ByteFields>) {
          in.U8(f.first);
          if (type == sense_type::kSub && v88) in.U8(f.second);
          return !in.Failed();
        } else {
          return true;
        }
      },
      out.fields);
  if (!ok) return false;
  out.label = SenseLabel(out);
  return true;
}

namespace {

bool WriteSenseFields(const Sense& s, LexWriter& out) {
  if (!IsSenseType(s.type) || Sense::OfType(s.type).fields.index() != s.fields.index()) return false;
  out.U8(s.category);
  if (!out.String(s.text)) return false;
  std::uint16_t version = out.Version();
  return std::visit(
      [&](const auto& f) -> bool {
        using T = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<T, NounFields>) {
          out.U16(f.codes);
          for (std::uint8_t c : f.classes) out.U8(c);
          if (!WriteStringList(f.strings, out)) return false;
          out.U8(f.domain);
          out.U8(f.classifier);
          if (version >= lex_version::kNounContext) return out.String(f.context);
          return f.context.empty();
        } else if constexpr (std::is_same_v<T, VerbFields>) {
          out.U64(f.codes);
          if (version < lex_version::kNoLegacyVerbTexts) {
            if (HasVerbCode(f.codes, vc::wv4) && !out.String(f.legacy4)) return false;
            if (HasVerbCode(f.codes, vc::wv5) && !out.String(f.legacy5)) return false;
            if (!HasVerbCode(f.codes, vc::wv4) && !f.legacy4.empty()) return false;
            if (!HasVerbCode(f.codes, vc::wv5) && !f.legacy5.empty()) return false;
          } else if (!f.legacy4.empty() || !f.legacy5.empty()) {
            return false;
          }
          if (f.constraintCount > kMaxConstraints) return false;
          out.U8(f.constraintCount);
          for (int i = 0; i < f.constraintCount; ++i) out.U8(f.constraints[static_cast<std::size_t>(i)]);
          if (version < lex_version::kCodedRenderings) {
            std::vector<std::string> old(f.renderings.size());
            for (std::size_t i = 0; i < old.size(); ++i)
              if (!OldRendering(f.renderings[i], old[i])) return false;
            if (!WriteStringList(old, out)) return false;
          } else if (!WriteStringList(f.renderings, out)) {
            return false;
          }
          out.U8(f.last);
          return true;
        } else if constexpr (std::is_same_v<T, WordField>) {
          out.U16(f.value);
          return true;
        } else if constexpr (std::is_same_v<T, PairFields>) {
          out.U16(f.first);
          out.U16(f.second);
          if (version >= lex_version::kPairStrings) return WriteStringList(f.strings, out);
          return f.strings.empty();
        } else if constexpr (std::is_same_v<T, ByteListFields>) {
          out.U8(f.first);
          if (!WriteStringList(f.strings, out)) return false;
          out.U8(f.last);
          return true;
        } else if constexpr (std::is_same_v<T, WordByteFields>) {
          out.U16(f.value);
          out.U8(f.byte);
          return true;
        } else if constexpr (std::is_same_v<T, ByteFields>) {
          out.U8(f.first);
          if (s.type == sense_type::kSub && version >= lex_version::kSubSecondByte) {
            out.U8(f.second);
            return true;
          }
          return f.second == 0;
        } else {
          return true;
        }
      },
      s.fields);
}

}  // namespace

bool WriteSense(const Sense& s, LexWriter& out) {
  if (WriteSenseFields(s, out)) return true;
  out.Fail();
  return false;
}

}  // namespace wb
