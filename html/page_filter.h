#pragma once
// The page translation filter: copies a page's mark-up, cuts its text into
// sentences and writes each sentence's translation where the English stood.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/analysis/short_string.h"
#include "html/tag_reader.h"

namespace wb {

// The settings the filter reads; the caller sets them before each page.
struct FilterSettings {
  bool tranBlockquote = false;  // translate text inside blockquote
  bool tranPre = false;         // translate text inside pre
  int showTran = 0;             // 0 translation only, 1 side by side, 2 one above the other
  bool netscape = true;         // the browser in use: Netscape Navigator, else Internet Explorer
  bool pics = false;            // check PICS labels
  bool plainText = false;       // the page is a .txt file
  bool progressEnabled = false;
  std::string pageUrl;          // the page's own address, without fragment
  std::string frameDir;         // where local copies of frame pages live
  // The line break the filter writes into preformatted text.
  std::string lineBreak = "\r\n";
};

// The toolbar's progress bar, range 0..100.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  virtual void Show() {}
  virtual void SetPosition(long long position) = 0;
  virtual void Hide() {}
};

// Moves a progress display at most once per twentieth of the page.
class Progress {
 public:
  explicit Progress(ProgressDisplay* display = nullptr) : display_(display) {}
  void ProgressStart(std::size_t total);
  void ProgressStep(std::size_t position);
  void ProgressEnd();

 private:
  ProgressDisplay* display_;
  std::size_t lastUpdate_ = 0;
  std::size_t interval_ = 1;
  int step_ = 5;
};

// The length of the first piece of a text that the sentence buffer takes
// whole: the text itself up to 255 bytes, else up to the last blank within
// 255 bytes, else 255 bytes (254 where the 255th would split a double-byte
// character).
std::size_t SentencePieceLength(std::string_view text);

// The shared sentence buffer and its translation. Whatever fails inside the
// engine is caught here: the error sound plays and the buffer keeps what it
// held, so the page goes on with the next sentence.
class SentenceTranslator {
 public:
  explicit SentenceTranslator(Engine& engine) : engine_(engine) {}
  void SetErrorSound(std::function<void()> sound) { errorSound_ = std::move(sound); }

  Str255 CurrentSentence;
  void TranslateCurrentSentence();

  // Translates text of any length: pieces of at most 255 bytes, cut after a
  // blank where there is one, each through the sentence buffer.
  std::string TranslateLong(std::string_view text);

  Engine& EngineInUse() { return engine_; }
  int Failures() const { return failures_; }

 private:
  Engine& engine_;
  std::function<void()> errorSound_;
  int failures_ = 0;
};

// How page bytes meet the engine's bytes (ASCII and GBK). The default is
// the engine's own world: every conversion is the identity.
class PageCodec {
 public:
  virtual ~PageCodec() = default;
  // Page text on its way into the engine.
  virtual std::string ToEngine(std::string_view page) const { return std::string(page); }
  // Engine output on its way into the page.
  virtual std::string FromEngine(std::string_view engine) const { return std::string(engine); }
  // Page bytes copied as they are (mark-up, untranslated text).
  virtual std::string Passthrough(std::string_view page) const { return std::string(page); }
  // The page has been converted to GB: its own bytes are engine bytes now.
  virtual void SetPageIsGb(bool) {}
  // Whether the page may be Big5 at all (a page known to be UTF-8 is not).
  virtual bool MayBeBig5() const { return true; }
  // Text with foreign entities is written untranslated. The engine's own
  // output decodes the entities into bytes for a GB reader; an output whose
  // reader decodes entities itself keeps them as written.
  virtual bool KeepsEntities() const { return false; }
};

// What the filter asks about a PICS label.
enum class PicsVerdict { kAccepted, kDeclined };

// The page services: Big5 pages, foreign entities and content labels. The
// defaults treat every page as English with nothing to check.
class PageServices {
 public:
  virtual ~PageServices() = default;
  virtual bool LooksLikeBig5(std::string_view) const { return false; }
  virtual std::string Big5ToGb(std::string_view text) const { return std::string(text); }
  virtual bool HasForeignEntity(std::string_view) const { return false; }
  virtual std::string DecodeEntities(std::string_view text) const { return std::string(text); }
  // Evaluates a PICS label (the attribute value, quotes included); on a
  // declined page warningPage receives the page to write instead.
  virtual PicsVerdict CheckPicsLabel(std::string_view, std::string& /*warningPage*/) { return PicsVerdict::kAccepted; }
};

class PageFilter {
 public:
  PageFilter(SentenceTranslator& translator, const FilterSettings& settings);

  void SetFrameUrls(std::vector<std::string>* frameUrls) { frameUrls_ = frameUrls; }
  void SetProgress(ProgressDisplay* display) { progress_ = Progress(display); }
  void SetCodec(PageCodec* codec) { codec_ = codec ? codec : &identity_; }
  void SetServices(PageServices* services) { services_ = services ? services : &defaults_; }

  // Filters one page into out (which is cleared first). Returns the frame
  // addresses found, or nothing when the page has no frames.
  std::optional<std::vector<std::string>> TranslateHtml(std::string_view page, std::string& out);

 private:
  void HandleTag(const HtmlElement& e);
  void HandleText(std::string text);
  void CutSentences(std::string_view text);
  void WriteSentence(std::string_view sentence);
  void WritePreformatted(std::string_view sentence);
  void WriteTranslated(std::string_view text);
  std::string TranslatedAttrValue(std::string_view value);
  std::string FrameSrcValue(std::string_view value);
  void Passthrough(std::string_view bytes) { *out_ += codec_->Passthrough(bytes); }

  SentenceTranslator& translator_;
  const FilterSettings& settings_;
  std::vector<std::string>* frameUrls_ = nullptr;
  std::vector<std::string> noFrameUrls_;
  Progress progress_;
  PageCodec identity_;
  PageCodec* codec_ = &identity_;
  PageServices defaults_;
  PageServices* services_ = &defaults_;

  // State of one page.
  std::string_view page_;
  std::string converted_;  // the page after Big5 conversion
  std::string* out_ = nullptr;
  HtmlReader reader_;
  bool translating_ = true;
  bool preformatted_ = false;
  bool stopped_ = false;
  std::string pending_;
  std::optional<std::vector<std::string>> frames_;
};

// The engine's output for a page's text, with every "<" that a browser would
// take for the start of mark-up written as "&lt;".
std::string KeepTextOutOfMarkup(std::string text);

// Reads sourcePath whole, filters it and writes targetPath through a
// temporary file renamed into place. Returns false with a message naming the
// file and the reason when a file cannot be read or written; the target is
// then left as it was.
bool TranslateHtmlFile(PageFilter& filter, const std::string& sourcePath, const std::string& targetPath,
                       std::optional<std::vector<std::string>>& frames, std::string& error);

}  // namespace wb
