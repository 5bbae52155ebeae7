#pragma once
// The Yes/No question box of the toolbar, with its line-wrapping rule.

#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace wb {

// The question's text with a line break put in after the column passes 30,
// counting columns as the Chinese code page lays them out: one for an ASCII
// byte, two for a Chinese character. A break never falls inside a
// character, so a double-width character that straddles column 30 stays
// whole and the break follows it. A line break in the text starts the
// count again. The text is UTF-8.
std::string WrapConfirmText(std::string_view text);

// Asks the question with Yes and No buttons and the question icon; true on
// Yes.
bool ConfirmBox(Desktop& desktop, std::string_view text, std::string_view caption);

}  // namespace wb
