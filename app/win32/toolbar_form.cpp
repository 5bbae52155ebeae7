#include "app/win32/toolbar_form.h"

#include "app/messages.h"
#include "app/win32/control_ids.h"
#include "app/win32/controls.h"
#include "platform/win32/win32_text.h"

namespace wb {

namespace {

constexpr wchar_t kClass[] = L"THaldenWenbridge";
// SpeedButton1 is 27 pixels wide; the two browser buttons overlap it and
// each other by a pixel, so the toolbar is 3 x 27 - 3 = 78 wide.
constexpr int kButtonWidth = 27;
constexpr int kClientHeight = 25;
constexpr int kBarHeight = 10;
constexpr int kGlyphSize = 21;  // ImageList1's images
// Result pages lie in the root of drive C.
constexpr std::string_view kResultDir = "c:\\";

// The page work names files in the engine's bytes, as the browsers do; the
// program's own directory is known in UTF-8.
PageDriverParts DriverParts(Program& program, Toolbar& logic, TextTranslation& texts, ToolbarProgress& progress) {
  return PageDriverParts{program.desktop,
                         program.flags,
                         program.host,
                         logic,
                         texts,
                         &progress,
                         WideToEngine(Utf8ToWide(program.frameDir)),
                         std::string(kResultDir),
                         program.isWinNT};
}

}  // namespace

// ---- the progress bar ------------------------------------------------------

void ToolbarProgress::Attach(HWND toolbar, HWND bar, int barHeight) {
  toolbar_ = toolbar;
  bar_ = bar;
  barHeight_ = barHeight;
}

void ToolbarProgress::Show() {
  // Grown once however often it is shown, so that showing and hiding can
  // never leave the toolbar taller or shorter than it should be.
  if (grown_ || toolbar_ == nullptr) return;
  grown_ = true;
  Resize(barHeight_);
}

void ToolbarProgress::SetPosition(long long position) {
  if (bar_ == nullptr) return;
  SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  // The translation holds the program's thread: paint now.
  UpdateWindow(bar_);
}

void ToolbarProgress::Hide() {
  if (!grown_) return;
  grown_ = false;
  Resize(-barHeight_);
}

void ToolbarProgress::Resize(int by) {
  RECT r;
  GetWindowRect(toolbar_, &r);
  SetWindowPos(toolbar_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + by,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateWindow(toolbar_);
}

// ---- the form --------------------------------------------------------------

ToolbarForm::ToolbarForm(Program& program, ResultForm& result, OptionsForm& options, AboutForm& about)
    : program_(program),
      result_(result),
      options_(options),
      about_(about),
      logic_(program.desktop, program.settings, program.flags),
      texts_(program.desktop, result, &progress_),
      driver_(DriverParts(program, logic_, texts_, progress_), DriverView()) {}

PageDriverView ToolbarForm::DriverView() {
  PageDriverView view;
  view.showTranslating = [this](bool translating) {
    speedButton1_.SetGlyph(translating ? glyphTran_ : glyphNormal_);
    UpdateWindow(speedButton1_.hwnd());
  };
  view.releaseMenuButton = [this] { ReleaseMenuButton(); };
  view.repaint = [this] { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); };
  view.resultToFront = [this] {
    // A message without a body leaves the window hidden, and hidden it stays.
    if (IsWindowVisible(result_.hwnd())) result_.BringToFront();
  };
  return view;
}

bool ToolbarForm::Create() {
  RegisterFormClass(program_.instance, kClass);
  if (!CreateAs(WS_EX_TOPMOST, kClass, Utf8ToWide(text::kToolbarCaption), WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                3 * kButtonWidth - 3, kClientHeight, nullptr, program_.instance))
    return false;
  program_.desktop.SetMainWindow(hwnd_);
  CreateControls();
  CreateMenu();
  FormCreate();
  return true;
}

void ToolbarForm::CreateControls() {
  HINSTANCE inst = program_.instance;
  glyphNormal_ = LoadBitmapResource(inst, L"b_normal", true);
  glyphTran_ = LoadBitmapResource(inst, L"b_tran", true);
  glyphNs_ = LoadBitmapResource(inst, L"ns", true);
  imageList1_ = ImageList_LoadImageW(inst, L"ImageList1", kGlyphSize, 0, RGB(192, 192, 192), IMAGE_BITMAP,
                                     LR_CREATEDIBSECTION);

  speedButton1_.Create(inst, hwnd_, ids::kSpeedButton1, RECT{0, 0, kButtonWidth, kClientHeight},
                       {[this] { SpeedButton1Click(); }, [this](POINT p) { SpeedButton1MouseDown(p); },
                        [this](POINT p) { SpeedButton1MouseMove(p); }});
  speedButton1_.SetGlyph(glyphNormal_);

  const DWORD button = BS_OWNERDRAW | WS_CLIPSIBLINGS;
  ns_ = AddControl(hwnd_, L"BUTTON", "", button, 0, 0, kButtonWidth, kClientHeight, ids::kNs);
  // EmailBtn lies behind ie and has no work of its own.
  emailBtn_ = AddControl(hwnd_, L"BUTTON", "", button, 0, 0, kButtonWidth, kClientHeight, ids::kEmailBtn);
  ie_ = AddControl(hwnd_, L"BUTTON", "", button, 0, 0, kButtonWidth, kClientHeight, ids::kIe);
  SetWindowPos(emailBtn_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  progressBar1_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, kClientHeight,
                                  3 * kButtonWidth - 3, kBarHeight, hwnd_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::kProgressBar1)), inst, nullptr);
  SendMessageW(progressBar1_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));

  hints_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, inst, nullptr);
  SendMessageW(hints_, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  // The menu button has no hint of its own and shows the toolbar's.
  AddHint(hwnd_, text::kToolbarHint);
  AddHint(speedButton1_.hwnd(), text::kToolbarHint);
  AddHint(ns_, text::kNsHint);
  AddHint(emailBtn_, text::kEmailBtnHint);
  AddHint(ie_, text::kIeHint);
}

void ToolbarForm::AddHint(HWND tool, std::string_view text) {
  std::wstring t = Utf8ToWide(text);
  TOOLINFOW ti{};
  // The size of the oldest common-controls record that has every field used
  // here, which every version of the library accepts.
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = hwnd_;
  ti.uId = reinterpret_cast<UINT_PTR>(tool);
  ti.lpszText = t.data();
  SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void ToolbarForm::CreateMenu() {
  popupMenu1_ = CreatePopupMenu();
  auto item = [this](int id, std::string_view caption, UINT flags = 0) {
    AppendMenuW(popupMenu1_, MF_STRING | flags, static_cast<UINT_PTR>(id), Utf8ToWide(caption).c_str());
  };
  auto separator = [this] { AppendMenuW(popupMenu1_, MF_SEPARATOR, 0, nullptr); };
  item(ids::kH1, text::kMenuHelp);                // H1
  item(ids::kAboutWenbridge1, text::kMenuAbout);  // AboutWenbridge1
  item(ids::kS1, text::kMenuHomePage);            // S1
  separator();                                    // N3
  item(ids::kO1, text::kMenuOptions);             // O1
  separator();                                    // N2
  item(ids::kPICS1, text::kMenuPics);             // PICS1
  item(ids::kContentEval, text::kMenuContentEval);
  separator();  // N4
  item(ids::kSoundEffect, text::kMenuSoundEffect);
  separator();  // N5
  item(ids::kStopConnect, text::kMenuStopConnect, MF_GRAYED);
  item(ids::kExit1, text::kMenuExit);
}

// ---- FormCreate, FormShow, FormDestroy ----------------------------------------

void ToolbarForm::FormCreate() {
  logic_.DeleteOldResults(kResultDir);

  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  const int width = 3 * kButtonWidth - 3;
  SetWindowPos(hwnd_, nullptr, (desktop.right - desktop.left) / 2, 2, width, kClientHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  MoveWindow(ns_, kButtonWidth - 1, 0, kButtonWidth, kClientHeight, FALSE);
  const int ieLeft = 2 * kButtonWidth - 1;
  MoveWindow(ie_, ieLeft, 0, width - ieLeft, kClientHeight, FALSE);
  MoveWindow(emailBtn_, ieLeft, 0, width - ieLeft, kClientHeight, FALSE);

  if (!program_.winInetLoaded) ShowWindow(ie_, SW_HIDE);

  progress_.Attach(hwnd_, progressBar1_, kBarHeight);
  MoveWindow(progressBar1_, 0, kClientHeight, width, kBarHeight, FALSE);

  logic_.ReadToggles();
  SetCheck(ids::kPICS1, logic_.Checked(Toggle::kPics));
  SetCheck(ids::kContentEval, logic_.Checked(Toggle::kContentEval));
  SetCheck(ids::kSoundEffect, logic_.Checked(Toggle::kSoundEffect));

  logic_.RegisterHotKey();
  logic_.MaybeOpenHomePage(program_.homePageAtStart);
}

void ToolbarForm::Show(std::function<void()> freeSplash) {
  freeSplash_ = std::move(freeSplash);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

void ToolbarForm::FormShow() {
  std::string error;
  if (!program_.host.InitEngine(program_.programDir, error)) {
    // Without its lexicon the engine still runs, every word standing for
    // itself; the user is told why nothing is translated.
    program_.desktop.ShowMessage(std::string(text::kLexiconMissing) + error, text::kDataFileCaption,
                                 MessageButtons::kOk, MessageKind::kWarning);
  }
  program_.host.engine().SetDiagnostics([](std::string_view m) {
    // No console: the engine's messages go to the debugger's output.
    OutputDebugStringW((Utf8ToWide("Wenb97: ") + EngineToWide(m) + L"\n").c_str());
  });
  program_.host.sentences().SetErrorSound([this] { logic_.PlayErrorSound(program_.programDir); });
  texts_.SetTranslator(&program_.host.sentences());
  if (freeSplash_) freeSplash_();
}

void ToolbarForm::FormDestroy() {
  logic_.FormDestroy();
  for (HBITMAP b : {glyphNormal_, glyphTran_, glyphNs_})
    if (b != nullptr) DeleteObject(b);
  if (imageList1_ != nullptr) ImageList_Destroy(imageList1_);
  if (popupMenu1_ != nullptr) DestroyMenu(popupMenu1_);
  glyphNormal_ = glyphTran_ = glyphNs_ = nullptr;
  imageList1_ = nullptr;
  popupMenu1_ = nullptr;
}

// ---- the menu button -------------------------------------------------------

void ToolbarForm::SpeedButton1Click() {
  if (!speedButton1_.Down()) return;
  RECT r;
  GetWindowRect(hwnd_, &r);
  // The menu belongs to the foreground window, or it would not close when
  // the user clicks elsewhere.
  SetForegroundWindow(hwnd_);
  TrackPopupMenu(popupMenu1_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, r.left, r.top + kClientHeight, 0,
                 hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void ToolbarForm::SpeedButton1MouseDown(POINT p) { lastMouse_ = p; }

void ToolbarForm::SpeedButton1MouseMove(POINT p) {
  if (p.x == lastMouse_.x && p.y == lastMouse_.y) return;
  RECT r;
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, r.left + p.x - lastMouse_.x, r.top + p.y - lastMouse_.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  lastMouse_ = p;
}

void ToolbarForm::SetCheck(int menuId, bool on) {
  CheckMenuItem(popupMenu1_, static_cast<UINT>(menuId), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void ToolbarForm::OnCommand(int id) {
  switch (id) {
    case ids::kNs:
      NsClick();
      break;
    case ids::kIe:
      ieClick();
      break;
    case ids::kH1:
      logic_.H1Click(program_.programDir);
      break;
    case ids::kAboutWenbridge1:
      ReleaseMenuButton();
      about_.ShowModal();
      break;
    case ids::kS1:
      ReleaseMenuButton();
      logic_.S1Click();
      break;
    case ids::kO1:
      options_.ShowModal();
      break;
    case ids::kPICS1:
    case ids::kContentEval:
    case ids::kSoundEffect: {
      Toggle t = id == ids::kPICS1 ? Toggle::kPics : id == ids::kContentEval ? Toggle::kContentEval
                                                                            : Toggle::kSoundEffect;
      ReleaseMenuButton();
      logic_.ToggleClick(t);
      SetCheck(id, logic_.Checked(t));
      break;
    }
    case ids::kStopConnect:
      ReleaseMenuButton();
      break;
    case ids::kExit1:
      if (logic_.Exit1Click()) DestroyWindow(hwnd_);
      break;
    default:
      break;
  }
}

// ---- the browser buttons -------------------------------------------------------

void ToolbarForm::NsClick() { driver_.NsClick(); }

void ToolbarForm::ieClick() { driver_.ieClick(); }

void ToolbarForm::DrawButton(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  if (item.hwndItem == ns_) {
    DrawCentredBitmap(item.hDC, glyphNs_, r, pushed);
  } else if (imageList1_ != nullptr) {
    // ie (and EmailBtn behind it) show image 0 of ImageList1.
    int x = r.left + (r.right - r.left - kGlyphSize) / 2 + (pushed ? 1 : 0);
    int y = r.top + (r.bottom - r.top - kGlyphSize) / 2 + (pushed ? 1 : 0);
    ImageList_Draw(imageList1_, 0, item.hDC, x, y, ILD_TRANSPARENT);
  }
  if ((item.itemState & ODS_FOCUS) != 0) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(item.hDC, &r);
  }
}

// ---- messages --------------------------------------------------------------------

LRESULT ToolbarForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_HOTKEY:
      if (logic_.HotKeyMayTranslate(static_cast<int>(wParam))) texts_.OnHotKey();
      return 0;
    case WM_LBUTTONDOWN:  // FormClick
      ReleaseMenuButton();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) ReleaseMenuButton();
      return Default(message, wParam, lParam);
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace wb
