#pragma once
// The toolbar's result pages are written in the engine's bytes, GB. A page
// that comes in UTF-8 is therefore turned into GB before it is translated,
// and a result page that names a code of its own (in a meta element or its
// XML declaration) names GB2312 instead, so that the browser reads the
// translation as it was written rather than as UTF-8 or Latin-1.

#include <functional>
#include <string>
#include <string_view>

#include "html/page_filter.h"

namespace wb {

// The GB bytes of one character; empty when GB has no such character.
using GbCharacterFn = std::function<std::string(char32_t)>;

// Makes the page what the filter should read: a page that starts with the
// UTF-8 byte-order mark, or that holds bytes of 0x80 and above and is valid
// UTF-8, is turned into GB, the characters GB lacks (emoji, many accented
// letters) becoming numeric character references, which the browser shows
// and the filter leaves untranslated. Any other page stays as it is. True
// when the page was UTF-8.
bool PageInGb(std::string& page, const GbCharacterFn& gbCharacter);

// How the filter reads a page that came in UTF-8: it is no Big5 page
// whatever its GB bytes look like, and the references that stand for
// characters GB lacks are kept as written for the browser to show.
class FromUtf8Codec : public PageCodec {
 public:
  bool MayBeBig5() const override { return false; }
  bool KeepsEntities() const override { return true; }
};

// The result page naming GB2312 where it names another code. A page that
// names none, or a GB code already, comes back as it is.
std::string DeclaringGb(std::string result);

}  // namespace wb
