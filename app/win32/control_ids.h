#pragma once
// Identifiers of the toolbar program's menu commands and controls. The Wine
// tests drive the program through them as a user's clicks would.

namespace wb::ids {

// The toolbar's controls.
inline constexpr int kSpeedButton1 = 1;
inline constexpr int kNs = 2;
inline constexpr int kEmailBtn = 3;
inline constexpr int kIe = 4;
inline constexpr int kProgressBar1 = 5;

// PopupMenu1, in the menu's order.
inline constexpr int kH1 = 101;
inline constexpr int kAboutWenbridge1 = 102;
inline constexpr int kS1 = 103;
inline constexpr int kO1 = 104;
inline constexpr int kPICS1 = 105;
inline constexpr int kContentEval = 106;
inline constexpr int kSoundEffect = 107;
inline constexpr int kStopConnect = 108;
inline constexpr int kExit1 = 109;

// TOptions (OK and Cancel are the system's IDOK and IDCANCEL).
inline constexpr int kAutoProperName = 11;
inline constexpr int kTranBlockquote = 12;
inline constexpr int kTranPre = 13;
inline constexpr int kShowTran = 14;
inline constexpr int kShowTranOnly = 15;
inline constexpr int kShowTranSideBySide = 16;
inline constexpr int kShowTranAboveBelow = 17;

}  // namespace wb::ids
