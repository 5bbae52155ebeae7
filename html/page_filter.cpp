#include "html/page_filter.h"

#include <algorithm>
#include <new>

#include "html/addresses.h"
#include "html/ascii.h"
#include "html/page_file.h"
#include "html/sentence_cut.h"

namespace wb {

namespace {

constexpr std::string_view kSongTi = "\xCB\xCE\xCC\xE5";  // 宋体 (GBK)

}  // namespace

// A page may hold a bare "<" in its text ("a < b"), which browsers show as
// it stands. Translation can close up the blank after it ("<b"), and the
// browser would then take the rest for a tag and hide it; such a "<" is
// written as "&lt;". GBK never uses the byte "<" inside a character.
std::string KeepTextOutOfMarkup(std::string text) {
  std::size_t at = text.find('<');
  if (at == std::string::npos) return text;
  std::string out;
  out.reserve(text.size() + 8);
  std::size_t from = 0;
  for (; at != std::string::npos; at = text.find('<', at + 1)) {
    if (at + 1 >= text.size()) break;
    unsigned char n = static_cast<unsigned char>(text[at + 1]);
    if (n == '!' || n == '/' || (n >= 'A' && n <= 'Z') || (n >= 'a' && n <= 'z')) {
      out.append(text, from, at - from);
      out += "&lt;";
      from = at + 1;
    }
  }
  out.append(text, from, std::string::npos);
  return out;
}

// ---- progress ------------------------------------------------------------

void Progress::ProgressStart(std::size_t total) {
  lastUpdate_ = 0;
  step_ = 5;
  interval_ = std::max<std::size_t>(total / 20, 1);
  if (display_) {
    display_->Show();
    display_->SetPosition(0);
  }
}

void Progress::ProgressStep(std::size_t position) {
  if (position < lastUpdate_ || position - lastUpdate_ < interval_) return;
  lastUpdate_ = position;
  // The interval is rounded down, so the last steps of a page whose length
  // is no multiple of 20 would run past the bar's end.
  if (display_) display_->SetPosition(std::min<long long>(static_cast<long long>(step_ * position / interval_), 100));
}

void Progress::ProgressEnd() {
  if (display_) display_->Hide();
}

// ---- the sentence buffer -------------------------------------------------

void SentenceTranslator::TranslateCurrentSentence() {
  if (CurrentSentence.empty()) return;
  try {
    engine_.TranslateSentence(CurrentSentence);
  } catch (const std::bad_alloc&) {
    throw;  // not the sentence's fault: the program is out of memory
  } catch (const std::exception&) {
    ++failures_;
    if (errorSound_) errorSound_();
  }
}

std::string SentenceTranslator::TranslateLong(std::string_view text) {
  try {
    Engine::Translation t = engine_.TranslateText(text);
    if (t.failedPieces > 0) {
      failures_ += t.failedPieces;
      if (errorSound_) errorSound_();
    }
    return std::move(t.text);
  } catch (const std::bad_alloc&) {
    throw;  // not the sentence's fault: the program is out of memory
  } catch (const std::exception&) {
    ++failures_;
    if (errorSound_) errorSound_();
    return std::string(text);
  }
}

// ---- the filter ----------------------------------------------------------

PageFilter::PageFilter(SentenceTranslator& translator, const FilterSettings& settings)
    : translator_(translator), settings_(settings) {}

std::optional<std::vector<std::string>> PageFilter::TranslateHtml(std::string_view page, std::string& out) {
  out.clear();
  out_ = &out;
  translating_ = true;
  stopped_ = false;
  pending_.clear();
  frames_.reset();
  translator_.EngineInUse().Counters() = PageCounters{};
  codec_->SetPageIsGb(false);

  if (settings_.progressEnabled) progress_.ProgressStart(page.size());

  if (settings_.plainText) {
    preformatted_ = true;
  } else {
    preformatted_ = false;
    if (!settings_.pageUrl.empty() && settings_.pageUrl[0] == '"') {
      out += "<base href=";
      Passthrough(settings_.pageUrl);
      out += ">";
    } else {
      out += "<base href=\"";
      Passthrough(settings_.pageUrl);
      out += "\">";
    }
  }

  page_ = page;
  if (codec_->MayBeBig5() && services_->LooksLikeBig5(page)) {
    converted_ = services_->Big5ToGb(page);
    page_ = converted_;
    codec_->SetPageIsGb(true);
  }

  reader_.HtmlOpen(page_);
  HtmlElement e;
  while (!stopped_ && reader_.HtmlNext(e)) {
    if (e.IsText())
      HandleText(std::move(e.Text));
    else
      HandleTag(e);
  }
  if (!stopped_ && !pending_.empty()) {
    std::string rest;
    rest.swap(pending_);
    WriteTranslated(rest);
  }

  if (settings_.progressEnabled) progress_.ProgressEnd();
  out_ = nullptr;
  return std::move(frames_);
}

// Mark-up goes out as the page had it. Where an attribute is rewritten, only
// its value is replaced and the rest of the tag is kept byte for byte.
void PageFilter::HandleTag(const HtmlElement& e) {
  struct Edit {
    std::size_t begin, end;
    std::string text;  // already in output bytes
  };
  std::vector<Edit> edits;
  const std::size_t begin = e.SourceBegin;
  const std::size_t end = e.SourceEnd;

  if (e.Kind == tag::kComment && page_.substr(begin, 4) == "<!--" &&
      e.Name.find("font-family: ") != std::string::npos) {
    // A style sheet hidden in a comment: the Chinese font goes first. Only a
    // true "<!-- -->" comment is one; declarations, "<!- ->" and raw
    // COMMENT elements are copied as they are.
    *out_ += AddChineseFontFamily(codec_->Passthrough(page_.substr(begin, end - begin)),
                                  codec_->FromEngine(std::string(kSongTi) + ", "));
    return;
  }

  for (int k = 1; k <= e.AttrCount; ++k) {
    const TagAttr& a = e.Attrs[k];
    if (a.Value.empty()) continue;
    std::string_view name(a.Name);
    if (e.Kind == tag::kFrame && EqualsNoCase(name, "SRC")) {
      edits.push_back({a.ValueBegin, a.ValueEnd, FrameSrcValue(a.Value)});
    } else if ((e.Kind == tag::kInput && EqualsNoCase(name, "VALUE")) ||
               (e.Kind == tag::kImg && EqualsNoCase(name, "ALT"))) {
      edits.push_back({a.ValueBegin, a.ValueEnd, TranslatedAttrValue(a.Value)});
    } else if (e.Kind == tag::kMeta && EqualsNoCase(name, "content")) {
      if (settings_.pics && a.Value.compare(0, 9, "'(PICS-1.") == 0) {
        std::string warning;
        if (services_->CheckPicsLabel(a.Value, warning) == PicsVerdict::kDeclined) {
          out_->clear();
          *out_ += codec_->FromEngine(warning);
          translator_.EngineInUse().Counters().badWordCount = 0;
          stopped_ = true;
          return;
        }
      } else if (!settings_.netscape && EqualsNoCase(a.Value, "\"text/html; charset=iso-8859-1\"")) {
        edits.push_back({a.ValueBegin, a.ValueEnd, "\"text/html\""});
      }
    } else if ((e.Kind == tag::kFont || e.Kind == tag::kBasefont) && EqualsNoCase(name, "face") &&
               !settings_.netscape) {
      const bool quoted = a.Value[0] == '"';
      std::string font(kSongTi);
      font.append(quoted ? ", " : ",");
      std::string v;
      if (quoted) v.push_back('"');
      v.append(codec_->FromEngine(font));
      v.append(codec_->Passthrough(std::string_view(a.Value).substr(quoted ? 1 : 0)));
      edits.push_back({a.ValueBegin, a.ValueEnd, std::move(v)});
    }
  }

  std::size_t at = begin;
  for (Edit& ed : edits) {
    Passthrough(page_.substr(at, ed.begin - at));
    *out_ += ed.text;
    at = ed.end;
  }
  const bool closed = e.Closed;
  const std::size_t bodyEnd = closed ? end - 1 : end;
  Passthrough(page_.substr(at, bodyEnd - at));

  if (e.Kind == tag::kA && !e.IsEnd && settings_.showTran != 0) *out_ += " target=_top";
  switch (e.Kind) {
    case tag::kBlockquote:
      if (!settings_.tranBlockquote) translating_ = e.IsEnd;
      break;
    case tag::kPre:
      preformatted_ = !e.IsEnd;
      if (!settings_.tranPre) translating_ = e.IsEnd;
      break;
    case tag::kStyle:
      translating_ = e.IsEnd;
      break;
    default:
      break;
  }
  if (closed) *out_ += '>';
}

std::string PageFilter::FrameSrcValue(std::string_view value) {
  std::vector<std::string>& urls = frameUrls_ ? *frameUrls_ : noFrameUrls_;
  std::string address(value);
  if (!MatchFrameUrl(address, urls, settings_.frameDir, settings_.netscape))
    address = ResolveUrl(settings_.pageUrl, value);
  std::string v = "\"";
  // A POSIX frame directory brings its own leading "/".
  const bool rooted = !settings_.frameDir.empty() && settings_.frameDir[0] == '/';
  v += codec_->Passthrough(settings_.netscape && !rooted ? "file:///" : "file://");
  v += codec_->Passthrough(settings_.frameDir);
  v += codec_->Passthrough(UrlToFileName(address));
  v += '"';
  if (!frames_) frames_.emplace();
  frames_->push_back(std::move(address));
  return v;
}

std::string PageFilter::TranslatedAttrValue(std::string_view value) {
  if (value == "\"\"" || value == "\"\"\"\"") return codec_->Passthrough(value);
  if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\'')) {
    value.remove_prefix(1);
    value.remove_suffix(1);
  }
  std::string result = translator_.TranslateLong(codec_->ToEngine(value));
  // A rewritten value is always written in double quotes, its own double
  // quotes escaped. Written bare, an empty translation would leave "alt="
  // and make the next attribute its value, and a one-word one would glue
  // itself to a following "/" or end the tag early.
  std::string quoted = "\"";
  for (char c : result) {
    if (c == '"')
      quoted += "&quot;";
    else
      quoted += c;
  }
  quoted += '"';
  result.swap(quoted);
  return codec_->FromEngine(result);
}

void PageFilter::HandleText(std::string text) {
  if (text == " ") {
    text.swap(pending_);
    pending_.clear();
  } else {
    if (EndsInLoneCapital(text)) {
      pending_ += text;
      return;
    }
    if (!pending_.empty()) {
      if (pending_.size() == 1 || IsBlankOrControl(static_cast<unsigned char>(pending_[pending_.size() - 2]))) {
        text = pending_ + text;
      } else {
        WriteTranslated(pending_);
      }
      pending_.clear();
    }
  }
  if (text.empty()) return;
  if (!translating_) {
    Passthrough(text);
    return;
  }
  if (text.find('&') != std::string::npos && services_->HasForeignEntity(text)) {
    if (codec_->KeepsEntities())
      Passthrough(text);
    else
      *out_ += codec_->FromEngine(services_->Big5ToGb(services_->DecodeEntities(text)));
    return;
  }
  CutSentences(text);
}

void PageFilter::CutSentences(std::string_view text) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = SentenceEnd(text, start);
    if (settings_.progressEnabled) progress_.ProgressStep(reader_.HtmlPosition());
    WriteSentence(text.substr(start, end - start));
    start = end;
  }
}

void PageFilter::WriteSentence(std::string_view sentence) {
  if (preformatted_)
    WritePreformatted(sentence);
  else
    WriteTranslated(sentence);
}

void PageFilter::WriteTranslated(std::string_view text) {
  std::string zh = translator_.TranslateLong(codec_->ToEngine(text));
  if (!settings_.plainText) zh = KeepTextOutOfMarkup(std::move(zh));
  *out_ += codec_->FromEngine(zh);
}

// Inside pre (and in plain text) the blanks and line breaks around a
// sentence are kept, so that the page's lines survive translation.
void PageFilter::WritePreformatted(std::string_view sentence) {
  auto low = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t first = 0;
  while (first < sentence.size() && low(sentence[first])) ++first;
  if (first == sentence.size()) {
    Passthrough(sentence);
    return;
  }
  std::size_t last = sentence.size();
  while (last > first && low(sentence[last - 1])) --last;
  Passthrough(sentence.substr(0, first));
  std::string_view core = sentence.substr(first, last - first);
  std::string tail(sentence.substr(last));
  std::string tailOut = codec_->Passthrough(tail);
  if (core.find_first_of("\r\n") != std::string_view::npos) {
    tailOut = settings_.lineBreak + tailOut;
    if (last > 80) *out_ += settings_.lineBreak;
  }
  WriteTranslated(core);
  *out_ += tailOut;
}

bool TranslateHtmlFile(PageFilter& filter, const std::string& sourcePath, const std::string& targetPath,
                       std::optional<std::vector<std::string>>& frames, std::string& error) {
  std::string page;
  if (!ReadWholeFile(sourcePath, page, error)) return false;
  std::string out;
  frames = filter.TranslateHtml(page, out);
  return WriteFileReplacing(targetPath, out, error);
}

}  // namespace wb
