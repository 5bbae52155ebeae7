#pragma once
// What the browser integration tells the user, exactly as shown (UTF-8; the
// desktop converts it for the system). The page driver shows these in its
// message boxes.

#include <string_view>

namespace wb::text {

// The browser cannot be reached at all.
inline constexpr std::string_view kStartNetscape = "请启动Netscape浏览器！";
inline constexpr std::string_view kStartIE = "请启动 IE 3.0 浏览器！";

// The address names a directory, whose listing the browser makes up itself.
inline constexpr std::string_view kDirectoryPage = "目录内容，无需翻译！";
// Navigator did not answer the request to save the page.
inline constexpr std::string_view kCannotReadCache = "无法读取 Cache!";

// A browser or mail reader took longer than the toolbar waits for it. The
// browser's name goes first.
inline constexpr std::string_view kNoAnswerTail = " 没有回答，翻译已停止。请稍后再试。";
// Navigator did not finish saving the page into the file named after this.
inline constexpr std::string_view kSaveNotFinished = "Netscape 没有在 30 秒内把网页存好：";
// An address whose "%" is not followed by two hexadecimal digits; the
// address follows.
inline constexpr std::string_view kBadEscape = "网页地址中的“%”转义无法识别：";
// Internet Explorer's page-properties dialogs did not all come in time:
// followed by the numbers of frame windows and of addresses read.
inline constexpr std::string_view kPropertiesNotRead = "Internet Explorer 的“页的属性”窗口没有全部打开，框架窗口数：地址数 = ";

}  // namespace wb::text
