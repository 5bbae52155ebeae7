#pragma once
// Small helpers for the forms: the dialog font, child controls with UTF-8
// captions, bitmaps from the program's resources, and modal showing.

#include "platform/win32/win32_api.h"

#include <string_view>

namespace wb {

// The face for Chinese text at the small sizes of dialogs and the result
// window (see controls.cpp).
const wchar_t* ChineseFace();

// The font of captions and controls: one that can show Chinese.
HFONT DialogFont();

// A child control with a UTF-8 caption, in the dialog font.
HWND AddControl(HWND parent, const wchar_t* className, std::string_view caption, DWORD style, int x, int y,
                int width, int height, int id, DWORD exStyle = 0);

// A bitmap resource of the program. With mapButtonFace its light grey
// background takes the colour of the user's button faces.
HBITMAP LoadBitmapResource(HINSTANCE instance, const wchar_t* name, bool mapButtonFace);

// Draws a bitmap centred in a rectangle; sunken moves it one pixel down and
// right, as a pressed button does.
void DrawCentredBitmap(HDC dc, HBITMAP bitmap, const RECT& r, bool sunken);

// Places a window in the middle of the screen.
void CentreOnScreen(HWND window);

// Shows a window modally over its owner: the owner is disabled and the
// window's messages are run until `open` turns false (its handlers clear
// it). Tab and Enter work as in a dialog.
void RunModal(HWND window, HWND owner, const bool& open);
// Ends RunModal: clears `open` and wakes the loop, which may be waiting for
// a message while the close came as a sent one (a click from another
// program, or a button's notification).
void EndModal(HWND window, bool& open);

}  // namespace wb
