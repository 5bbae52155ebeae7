#pragma once
// The toolbar program's own texts: captions, hints, menu items and messages,
// exactly as the user sees them (UTF-8; the desktop layer converts them for
// the system).

#include <string_view>

namespace wb::text {

// Toolbar
inline constexpr std::string_view kToolbarCaption = "Wenbridge 3.0";
inline constexpr std::string_view kToolbarHint = "文桥 97 3.0 版";
inline constexpr std::string_view kNsHint = "翻译 Netscape 网页, 邮件, 新闻";
inline constexpr std::string_view kEmailBtnHint = "翻译 Netscape 邮件";
inline constexpr std::string_view kIeHint = "翻译 Internet Explorer 网页";

// Menu, in order
inline constexpr std::string_view kMenuHelp = "&H帮助";
inline constexpr std::string_view kMenuAbout = "&A关于文桥";
inline constexpr std::string_view kMenuHomePage = "&S文桥主页";
inline constexpr std::string_view kMenuOptions = "&O设置文桥翻译器...";
inline constexpr std::string_view kMenuPics = "&P支持PICS标签";
inline constexpr std::string_view kMenuContentEval = "&R自动内容评估";
inline constexpr std::string_view kMenuSoundEffect = "&M音效";
inline constexpr std::string_view kMenuStopConnect = "&S停止联网";
inline constexpr std::string_view kMenuExit = "&X退出";

// Options dialog
inline constexpr std::string_view kOptionsCaption = "设置文桥翻译器";
inline constexpr std::string_view kAutoProperName = "自动识别专有名词";
inline constexpr std::string_view kTranBlockquote = "翻译<BLOCKQUOTE>标记";
inline constexpr std::string_view kTranPre = "翻译<PRE>标记";
inline constexpr std::string_view kShowTranGroup = "译文显示";
inline constexpr std::string_view kShowTranOnly = "仅显示译文";
inline constexpr std::string_view kShowTranSideBySide = "左右对照";
inline constexpr std::string_view kShowTranAboveBelow = "上下对照";
inline constexpr std::string_view kOk = "确认";
inline constexpr std::string_view kCancel = "取消";

// About box and result window
inline constexpr std::string_view kAboutCaption = "关于文桥";
inline constexpr std::string_view kVersionLabel = "3.0 版";
inline constexpr std::string_view kResultCaption = "翻译结果";

// Questions
inline constexpr std::string_view kExitQuestion = "你肯定要退出吗?";
inline constexpr std::string_view kConfirmCaption = "确认";
// The page's content questions, as the page code has them in GB.
inline constexpr std::string_view kContentQuestion = "本页可能包含不宜非成年人观看的内容：继续吗?";
inline constexpr std::string_view kPicsQuestion = "本软件发现本页包含不宜非成年人观看的内容。你是18岁以上并且要看吗?";

// Page translation failures (the file and the reason follow).
inline constexpr std::string_view kPageUnreadable = "无法读取网页文件 ";
inline constexpr std::string_view kResultUnwritable = "无法写入译文文件 ";

// Start-up failures (the program's own wording: a data file that is missing
// or damaged is named with the reason, and the program ends).
inline constexpr std::string_view kDataFileCaption = "Wenbridge 3.0";
inline constexpr std::string_view kDataFileMissing = "文桥无法启动：数据文件损坏或丢失。\r\n";
inline constexpr std::string_view kLexiconMissing = "文桥词典无法读取，句子将不被翻译。\r\n";

// The product home page ("&S文桥主页"), an address of our own that leads
// nowhere harmful.
inline constexpr std::string_view kHomePage = "http://www.wenbridge.example/";
// The help page beside the program.
inline constexpr std::string_view kHelpFile = "wenb97.htm";

}  // namespace wb::text
