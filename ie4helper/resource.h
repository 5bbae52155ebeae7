#pragma once
// Resources of Gleam4.
#define IDD_GLEAM4 102  // the hidden dialog: a pop-up with no controls
#define IDI_GLEAM4 128  // its icon
