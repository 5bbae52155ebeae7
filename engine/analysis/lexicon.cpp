#include "engine/analysis/lexicon.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace wb {

namespace {

constexpr std::string_view kUnnamed = "???";

// The shipped lexicon is a few megabytes; a file far beyond any lexicon (or
// an endless one, like a link to /dev/zero) is not read into memory whole.
constexpr std::size_t kMaxLexiconFileBytes = std::size_t{256} << 20;

// The counts in the file are trusted no further than the bytes that are left:
// every object needs at least its type number, every phrase its number and
// length byte.
bool CountFits(LexReader& in, std::size_t count, std::size_t minBytesEach, std::size_t countAt,
               std::string_view what) {
  if (count * minBytesEach <= in.Remaining()) return true;
  return in.Fail(std::string(what) + " count " + std::to_string(count) + " runs past the end of file", countAt);
}

}  // namespace

int HashName(std::string_view s) {
  // The multiplier is the string's length, and the sum wraps at 16 bits:
  // the file's bucket layout never mattered, but lookups of the same words
  // must land where the inserts did, so the arithmetic is kept exactly.
  std::uint16_t h = 0;
  const std::uint32_t len = static_cast<std::uint32_t>(s.size());
  for (char c : s) h = static_cast<std::uint16_t>(h * len + static_cast<unsigned char>(c));
  return h % kBucketCount;
}

bool ReadEntry(LexReader& in, LexEntry& out) {
  out = LexEntry{};
  in.U16(out.entryFlags);
  in.String(out.headword);
  std::size_t countAt = in.Offset();
  std::uint8_t n = 0;
  if (!in.U8(n) || !CountFits(in, n, 2, countAt, "sense")) return false;
  out.senses.reserve(n);
  for (int i = 0; i < n; ++i) {
    std::size_t typeAt = in.Offset();
    std::uint16_t type = 0;
    if (!in.U16(type)) return false;
    if (type == kEntryObjectType) return in.Fail("entry where a sense record belongs", typeAt);
    if (!IsSenseType(type))
      return in.Fail("Unregister object! (type " + std::to_string(type) + ")", typeAt);
    Sense s;
    if (!ReadSense(type, in, s)) return false;
    out.senses.push_back(std::move(s));
  }
  countAt = in.Offset();
  if (!in.U8(n) || !CountFits(in, n, 3, countAt, "phrase")) return false;
  out.phrases.reserve(n);
  for (int i = 0; i < n; ++i) {
    LexPhrase p;
    in.U16(p.number);
    if (!in.String(p.text)) return false;
    out.phrases.push_back(std::move(p));
  }
  return in.U8(out.handler);
}

bool WriteEntry(const LexEntry& e, LexWriter& out) {
  if (e.senses.size() > 255 || e.phrases.size() > 255) {
    out.Fail();
    return false;
  }
  out.U16(kEntryObjectType);
  out.U16(e.entryFlags);
  if (!out.String(e.headword)) return false;
  out.U8(static_cast<std::uint8_t>(e.senses.size()));
  for (const Sense& s : e.senses) {
    out.U16(s.type);
    if (!WriteSense(s, out)) return false;
  }
  out.U8(static_cast<std::uint8_t>(e.phrases.size()));
  for (const LexPhrase& p : e.phrases) {
    out.U16(p.number);
    if (!out.String(p.text)) return false;
  }
  out.U8(e.handler);
  return true;
}

bool WriteLexiconHeader(const LexiconHeader& h, LexWriter& out) {
  out.SetVersion(h.formatVersion);
  if (h.codes.size() > static_cast<std::size_t>(kCodeSlots) || h.classNames.size() > 255 ||
      h.auxNames.size() > 255) {
    out.Fail();
    return false;
  }
  out.U16(h.formatVersion);
  out.U16(h.objectCount);
  out.U8(static_cast<std::uint8_t>(h.codes.size()));
  for (const std::string& c : h.codes)
    if (!out.Slot(c, kCodeMax)) return false;
  for (const auto* names : {&h.classNames, &h.auxNames}) {
    out.U8(static_cast<std::uint8_t>(names->size()));
    for (const std::string& n : *names)
      if (!out.Slot(n, kNameMax)) return false;
  }
  return true;
}

Lexicon::Lexicon() { Clear(); }

void Lexicon::Clear() {
  buckets_.fill(-1);
  nodes_.clear();
  entries_.clear();
  entryCount_ = 0;
  formatVersion_ = 0;
  classNames_.fill(std::string(kUnnamed));
  auxNames_.fill(std::string(kUnnamed));
  classCount_ = auxCount_ = 0;
  codes_.fill(std::string());
  codes_[kStarCodeSlot].assign(1, '*');
  codeCount_ = 0;
}

const LexEntry& Lexicon::Insert(LexEntry e) {
  entries_.push_back(std::move(e));
  const LexEntry& stored = entries_.back();
  int b = HashName(stored.headword);
  nodes_.push_back(Node{&stored, buckets_[static_cast<std::size_t>(b)]});
  buckets_[static_cast<std::size_t>(b)] = static_cast<std::int32_t>(nodes_.size() - 1);
  ++entryCount_;
  return stored;
}

bool Lexicon::ReadNames(LexReader& in, std::array<std::string, kNameSlots>& names, int& count) {
  std::uint8_t n = 0;
  if (!in.U8(n)) return false;
  for (int i = 0; i < n; ++i) {
    std::size_t at = in.Offset();
    std::uint8_t len = 0;
    std::string slot;
    if (!in.U8(len) || !in.Bytes(kNameMax, slot)) return false;
    if (len > kNameMax) return in.Fail("name longer than 16 bytes", at);
    names[static_cast<std::size_t>(i)] = slot.substr(0, len);
    count = i + 1;
  }
  return true;
}

bool Lexicon::ReadTables(LexReader& in, std::uint16_t& objects) {
  if (!in.U16(formatVersion_)) return false;
  in.SetVersion(formatVersion_);
  in.U16(objects);
  std::size_t countAt = in.Offset();
  std::uint8_t k = 0;
  if (!in.U8(k)) return false;
  if (k > kCodeSlots)
    return in.Fail("code table of " + std::to_string(k) + " codes (at most 91)", countAt);
  for (int i = 0; i < k; ++i) {
    std::size_t at = in.Offset();
    std::uint8_t len = 0;
    std::string slot;
    if (!in.U8(len) || !in.Bytes(kCodeMax, slot)) return false;
    if (len > kCodeMax) return in.Fail("code longer than 2 bytes", at);
    // Slot 3 is "*" whatever the file holds there, even if the load stops
    // later in the table.
    if (i != kStarCodeSlot) codes_[static_cast<std::size_t>(i)] = slot.substr(0, len);
    codeCount_ = i + 1;
  }
  return ReadNames(in, classNames_, classCount_) && ReadNames(in, auxNames_, auxCount_);
}

bool Lexicon::Fail(const LexReader& in, std::string_view fileName, std::string* error) {
  // The reader's detail speaks the file format's language; the person
  // reading the message first needs to know the file is damaged.
  std::string message = std::string(fileName) + ": the lexicon file is damaged: " + in.Error() +
                        " at byte offset " + std::to_string(in.ErrorOffset());
  if (diagnostics_) diagnostics_(message);
  if (error) *error = std::move(message);
  return false;
}

bool Lexicon::Load(std::string_view bytes, std::string_view fileName, std::string* error) {
  Clear();
  if (error) error->clear();
  LexReader in(bytes);
  std::uint16_t objects = 0;
  if (!ReadTables(in, objects)) return Fail(in, fileName, error);
  for (int i = 0; i < objects; ++i) {
    std::size_t typeAt = in.Offset();
    std::uint16_t type = 0;
    if (!in.U16(type)) return Fail(in, fileName, error);
    if (type != kEntryObjectType) {
      if (IsSenseType(type))
        in.Fail("sense record where an entry belongs", typeAt);
      else
        in.Fail("Unregister object! (type " + std::to_string(type) + ")", typeAt);
      return Fail(in, fileName, error);
    }
    LexEntry e;
    if (!ReadEntry(in, e)) return Fail(in, fileName, error);
    Insert(std::move(e));
  }
  return true;
}

bool Lexicon::LoadFile(const std::string& path, std::string* error) {
  Clear();
  std::string bytes;
  std::string reason;
  errno = 0;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    // One read of the whole file: byte-wise reading cost a quarter of the load.
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0 && bytes.size() <= kMaxLexiconFileBytes)
      bytes.append(chunk, got);
    if (bytes.size() > kMaxLexiconFileBytes)
      reason = "is larger than " + std::to_string(kMaxLexiconFileBytes >> 20) + " MiB; no lexicon is that large";
    // Reading a directory fails with EISDIR where opening it did not.
    if (reason.empty() && std::ferror(f)) reason = errno == EISDIR ? "is a directory" : std::string("cannot be read: ") + std::strerror(errno);
    std::fclose(f);
  } else {
    reason = errno == EISDIR ? "is a directory" : std::string("cannot be opened: ") + std::strerror(errno);
  }
  if (!reason.empty()) {
    std::string message = path + ": " + reason;
    if (diagnostics_) diagnostics_(message);
    if (error) *error = std::move(message);
    return false;
  }
  return Load(bytes, path, error);
}

const LexEntry* Lexicon::LookupEntry(std::string_view s) const {
  for (std::int32_t n = buckets_[static_cast<std::size_t>(HashName(s))]; n >= 0;
       n = nodes_[static_cast<std::size_t>(n)].next) {
    const LexEntry* e = nodes_[static_cast<std::size_t>(n)].entry;
    if (e->headword == s) return e;
  }
  return nullptr;
}

Lexicon::WordLookup Lexicon::MorphLookup(std::string_view w) const {
  const std::ptrdiff_t L = static_cast<std::ptrdiff_t>(w.size());
  // w[k] counted from 1, as the rules are written; 0 outside the word.
  auto at = [&](std::ptrdiff_t k) -> char { return k >= 1 && k <= L ? w[static_cast<std::size_t>(k - 1)] : '\0'; };
  auto vowel = [](char c) {
    switch (c) {
      case 'a': case 'e': case 'i': case 'o': case 'u': case 'y':
      case 'A': case 'E': case 'I': case 'O': case 'U': case 'Y': return true;
      default: return false;
    }
  };
  auto first = [&](std::ptrdiff_t n) { return std::string(w.substr(0, static_cast<std::size_t>(n < 0 ? 0 : n))); };
  WordLookup r;
  auto tryForm = [&](const std::string& form, WordFlags flags) {
    if (const LexEntry* e = LookupEntry(form)) r = WordLookup{true, e, flags};
    return r.found;
  };
  auto endsWith = [&](std::string_view tail) { return w.size() >= tail.size() && w.substr(w.size() - tail.size()) == tail; };

  if (tryForm(std::string(w), 0)) return r;
  if (L >= 1 && at(L) == 's') {
    if (tryForm(first(L - 1), wf::S)) return r;
    if (at(L - 2) == 'i' && at(L - 1) == 'e') {
      tryForm(first(L - 3) + "y", wf::S);
      return r;
    }
    if (L >= 3 && ((at(L - 2) == 'h' && (at(L - 3) == 'c' || at(L - 3) == 's')) ||
                   ((at(L - 2) == 'o' || at(L - 2) == 's' || at(L - 2) == 'x') && at(L - 1) == 'e')))
      tryForm(first(L - 2), wf::S);
    return r;
  }
  if (endsWith("ing")) {
    if (tryForm(first(L - 3), wf::ING)) return r;
    if (vowel(at(L - 3))) return r;
    if (tryForm(first(L - 3) + "e", wf::ING)) return r;
    if (L > 4 && at(L - 4) == at(L - 3)) tryForm(first(L - 4), wf::ING);
    return r;
  }
  if (L > 1 && at(L - 1) == 'e' && at(L) == 'd') {
    if (!vowel(at(L - 2))) {
      if (tryForm(first(L - 1), wf::PAST) || tryForm(first(L - 2), wf::PAST)) return r;
      if (L > 3 && at(L - 2) == at(L - 3)) tryForm(first(L - 3), wf::PAST);
    } else if (at(L - 2) == 'i') {
      if (!vowel(at(L - 3)) && !tryForm(first(L - 1), wf::PAST)) tryForm(first(L - 3) + "y", wf::PAST);
    } else if (!tryForm(first(L - 2), wf::PAST)) {
      tryForm(first(L - 1), wf::PAST);
    }
    return r;
  }
  if (L > 1 && at(L - 1) == 'e' && at(L) == 'r') {
    if (tryForm(first(L - 2), wf::ER)) return r;
    if (at(L - 2) == 'i')
      tryForm(first(L - 3) + "y", wf::ER);
    else if (L > 3 && at(L - 3) == at(L - 2))
      tryForm(first(L - 3), wf::ER);
    else
      tryForm(first(L - 1), wf::ER);
    return r;
  }
  if (L > 1 && at(L - 1) == 'e') return r;
  if (endsWith("est")) {
    if (tryForm(first(L - 2), wf::EST) || tryForm(first(L - 3), wf::EST)) return r;
    if (at(L - 3) == 'i')
      tryForm(first(L - 4) + "y", wf::EST);
    else if (L > 4 && at(L - 3) == at(L - 4))
      tryForm(first(L - 4), wf::EST);
    else
      tryForm(first(L - 2), wf::EST);
  }
  return r;
}

Lexicon::WordLookup Lexicon::LookupWord(std::string_view s) const {
  WordLookup r = MorphLookup(s);
  if (r.found || s.empty() || s[0] < 'A' || s[0] > 'Z') return r;
  std::string lower(s);
  lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
  return MorphLookup(lower);
}

std::string_view Lexicon::SemanticClassName(int i) const {
  return i >= 0 && i < kNameSlots ? std::string_view(classNames_[static_cast<std::size_t>(i)]) : kUnnamed;
}

std::string_view Lexicon::AuxName(int i) const {
  return i >= 0 && i < kNameSlots ? std::string_view(auxNames_[static_cast<std::size_t>(i)]) : kUnnamed;
}

std::string_view Lexicon::Code(int i) const {
  return i >= 0 && i < kCodeSlots ? std::string_view(codes_[static_cast<std::size_t>(i)]) : std::string_view();
}

}  // namespace wb
