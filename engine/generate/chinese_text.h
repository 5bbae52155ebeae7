#pragma once
// Small operations on the generator's texts. Chinese is GBK: a byte of 0x81
// or above starts a two-byte character, and its second byte may look like
// ASCII (even a backslash), so every test here steps over characters whole.

#include <cstddef>
#include <string>
#include <string_view>

namespace wb {

constexpr bool IsGbkLead(unsigned char c) { return c >= 0x81 && c != 0xFF; }

// The offset of the last character of s (npos for an empty s).
std::size_t LastCharStart(std::string_view s);
// Whether the last character of s is exactly `tail` (one character).
bool EndsWithChar(std::string_view s, std::string_view tail);
// Whether s starts with t (a whole number of characters; plain prefix test,
// since t's own first byte always starts a character of s).
bool StartsWith(std::string_view s, std::string_view t);
// The number of characters of s (a two-byte character counts one).
std::size_t CharCount(std::string_view s);
// Whether s holds only two-byte characters (no ASCII at all).
bool AllChinese(std::string_view s);
// The last byte of s is an ASCII letter or digit.
bool EndsInLetterOrDigit(std::string_view s);

// The Chinese form of a sentence's closing mark: 。 for a full stop, "......"
// for a run of dots, the full-width forms of ? ! , : that Chinese text uses
// (？ ！ ， ：), any other mark (a blank for none) as it is.
std::string ChineseEndMark(char endPunct);

// Cuts s to at most max bytes without splitting a two-byte character.
void CutAtCharacter(std::string& s, std::size_t max);

// The finished sentence's blanks: an unknown word keeps a blank after it so
// that it stands apart from what follows, but a number needs none before a
// Chinese character (20个人).
void TidyBlanks(std::string& s);

// The ASCII quotation marks of the finished sentence as Chinese ones (“…”).
void ChineseQuotes(std::string& s);

// GBK literals the generator writes.
namespace cn {
inline constexpr std::string_view kDe = "\xB5\xC4";           // 的
inline constexpr std::string_view kDe2 = "\xB5\xC3";          // 得 (verb complement)
inline constexpr std::string_view kMa = "\xC2\xF0";           // 吗
inline constexpr std::string_view kBu = "\xB2\xBB";           // 不
inline constexpr std::string_view kMei = "\xC3\xBB";          // 没
inline constexpr std::string_view kYou = "\xD3\xD0";          // 有
inline constexpr std::string_view kShi = "\xCA\xC7";          // 是
inline constexpr std::string_view kBei = "\xB1\xBB";          // 被
inline constexpr std::string_view kBa = "\xB0\xD1";           // 把
inline constexpr std::string_view kZai = "\xD4\xDA";          // 在
inline constexpr std::string_view kHe = "\xBA\xCD";           // 和
inline constexpr std::string_view kBingQie = "\xB2\xA2\xC7\xD2";   // 并且
inline constexpr std::string_view kBing = "\xB2\xA2";       // 并
inline constexpr std::string_view kGe = "\xB8\xF6";           // 个
inline constexpr std::string_view kSui = "\xCB\xEA";          // 岁
inline constexpr std::string_view kCi = "\xB4\xCE";           // 次
inline constexpr std::string_view kZui = "\xD7\xEE";          // 最
inline constexpr std::string_view kGeng = "\xB8\xFC";         // 更
inline constexpr std::string_view kHen = "\xBA\xDC";          // 很
inline constexpr std::string_view kLe = "\xC1\xCB";           // 了
inline constexpr std::string_view kNian = "\xC4\xEA";         // 年
inline constexpr std::string_view kQi = "\xC6\xE4";           // 其
inline constexpr std::string_view kQiZhong = "\xC6\xE4\xD6\xD0";   // 其中
inline constexpr std::string_view kCi3 = "\xB4\xCB";          // 此
inline constexpr std::string_view kRenHeRen = "\xB5\xC4\xC8\xCE\xBA\xCE\xC8\xCB";  // 的任何人
inline constexpr std::string_view kDanYuan = "\xB5\xAB\xD4\xB8";   // 但愿
inline constexpr std::string_view kJiaRu = "\xBC\xD9\xC8\xE7";     // 假如
inline constexpr std::string_view kMuQian = "\xC4\xBF\xC7\xB0";    // 目前
inline constexpr std::string_view kTongGuo = "\xCD\xA8\xB9\xFD";   // 通过
inline constexpr std::string_view kNa = "\xC4\xC4";           // 哪
inline constexpr std::string_view kShui = "\xCB\xAD";         // 谁
inline constexpr std::string_view kShenMe = "\xCA\xB2\xC3\xB4";  // 什么
inline constexpr std::string_view kDou = "\xB6\xBC";          // 都
inline constexpr std::string_view kZhe = "\xD5\xE2";          // 这
inline constexpr std::string_view kDuo = "\xB6\xE0";          // 多
inline constexpr std::string_view kZenMeYang = "\xD4\xF5\xC3\xB4\xD1\xF9";  // 怎么样
inline constexpr std::string_view kComma = "\xA3\xAC";        // ，
inline constexpr std::string_view kEnumComma = "\xA1\xA2";    // 、
inline constexpr std::string_view kStop = "\xA1\xA3";         // 。
inline constexpr std::string_view kQuestion = "\xA3\xBF";     // ？
inline constexpr std::string_view kBang = "\xA3\xA1";         // ！
inline constexpr std::string_view kColon = "\xA3\xBA";        // ：
inline constexpr std::string_view kDots = "\xA1\xAD\xA1\xAD";  // ……
inline constexpr std::string_view kOpenQuote = "\xA1\xB0";    // “
inline constexpr std::string_view kCloseQuote = "\xA1\xB1";   // ”
inline constexpr std::string_view kOpenParen = "\xA3\xA8";    // （
inline constexpr std::string_view kCloseParen = "\xA3\xA9";   // ）
}  // namespace cn

}  // namespace wb
