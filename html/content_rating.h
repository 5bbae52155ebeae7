#pragma once
// Content rating: PICS labels with an RSACi rating, and the bad-word list by
// which a translated page is weighed.
//
// Nothing here talks to the user or plays sounds. The label check asks its
// caller through a callback, so that the page filter decides how the question
// is put (message box and warning sound on the desktop, a flag in the
// command-line tool, a fixed answer in tests); the texts of both questions are
// provided here so that every caller shows the same words.
//
// Texts are GB-coded byte strings, like every Chinese text of the system.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

// ---------------------------------------------------------------------------
// PICS labels

// What a meta element's content value starts with when it is a PICS-1 label;
// the comparison is exact, so a label quoted with double quotes is not one.
inline constexpr std::string_view kPicsLabelStart = "'(PICS-1.";

// The question put when a label rates something above 0. Yes means the user
// wants the page shown as usual.
// "本软件发现本页包含不宜非成年人观看的内容。你是18岁以上并且要看吗?"
extern const std::string_view kPicsQuestion;

// The sound resource played before either warning when sound effects are on.
inline constexpr std::string_view kWarningSound = "W7a7";

// True when a meta content value is a PICS-1 label ("'(PICS-1." at its start).
bool IsPicsLabel(std::string_view contentValue);

// The report lines for a label: one line per category rated above 0, in
// the order the label names them, each "caption level ）：description<p>".
// The rating is the text between the last "(" and the closing "))'". It is
// read as blank-separated pairs of a category and a level ("n 2 s 0 v 3 l 0",
// also "l 10" or "v 0.5"); a rating of exactly 15 bytes that is not made of
// such pairs is read the old way, letters at the odd bytes and each level two
// bytes further on. A level above 4, however written (a digit, a number past
// the end of any integer type, a byte that is no digit in the fixed form),
// counts as the highest, 4. Empty when the label has no rating or rates
// everything 0.
std::string PicsReportLines(std::string_view label);

// The whole warning page that replaces a declined page.
std::string PicsWarningPage(std::string_view reportLines);

// Asked when a label rates something above 0; returns true when the user wants
// to see the page anyway (the answer Yes to kPicsQuestion). The desktop
// callback plays kWarningSound first when sound effects are on.
using PicsConsent = std::function<bool()>;

// Checks a label. Returns true when the page must be replaced; *report then
// holds the complete warning page. Returns false, with *report emptied, when
// the label rates nothing or the user agreed to go on. Without a callback
// there is nobody to ask and a rated page is replaced.
bool CheckPicsLabel(std::string_view label, std::string* report, const PicsConsent& userGoesOn);

// ---------------------------------------------------------------------------
// Bad words

// The list file's bare name; it lies beside the program.
inline constexpr std::string_view kBadWordsFileName = "badwords.xtm";

// The list file is stored scrambled with a fixed 24-byte key: the byte at
// 1-based position i is XORed with the key byte at 1-based position
// (i mod 24) + 1. Only casual reading of the word list is prevented; this
// is no protection.
inline constexpr std::size_t kBadWordKeyLength = 24;

// Scrambles or unscrambles (the same operation) a whole file's content.
void ScrambleBadWords(std::string& bytes);

// Turns a plain word list into the content of the list file: lines starting
// with "#" and blank lines are dropped, words are trimmed and lower-cased,
// each is ended by CR LF, and the result is scrambled.
std::string BuildBadWordsFile(std::string_view plainList);

// The bad words, sorted, lower case and without duplicates.
class BadWordList {
 public:
  BadWordList() = default;
  explicit BadWordList(std::vector<std::string> words);

  // Looks up a word exactly; callers go through IsBadWord, which lower-cases.
  bool Contains(std::string_view lowerCaseWord) const;
  std::size_t Size() const { return words_.size(); }
  const std::vector<std::string>& Words() const { return words_; }

 private:
  std::vector<std::string> words_;
};

// Builds the list from the scrambled content of the list file: one word per
// line (CR LF, LF or CR), blank lines skipped, surrounding blanks removed.
// A damaged file is refused: one that is empty or holds no word, one whose
// last line has no line end (cut off), and one that unscrambles to control
// bytes (scrambled with another key, or not a list at all). On failure *list is left as it was
// and *error (when given) says why.
bool LoadBadWords(std::string_view scrambled, BadWordList* list, std::string* error);
// Reads the list file; a missing or unreadable file fails with a message that
// names the file and the reason.
bool LoadBadWordsFile(const std::string& path, BadWordList* list, std::string* error);

// True when the word, in lower case (ASCII letters only), is on the list.
bool IsBadWord(const BadWordList& list, std::string_view word);

// ---------------------------------------------------------------------------
// Content evaluation

// The question put when a page's bad words call for a warning.
// "本页可能包含不宜非成年人观看的内容：继续吗?"
extern const std::string_view kContentQuestion;

// The page-level rule, given the words and bad words the scanner counted for
// one page: a warning is due when bad words make up a tenth or more of the
// words (ten times the bad words reach the word count). A page without bad
// words never warns. Negative counts are taken as 0.
bool ContentWarningDue(std::int64_t wordCount, std::int64_t badWordCount);

}  // namespace wb
