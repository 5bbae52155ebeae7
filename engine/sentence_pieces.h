#pragma once
// Sentences longer than the engine's tables. The word table keeps 49 words
// and a sentence buffer 255 bytes; a longer sentence is translated in
// consecutive pieces, each cut where a clause ends (after a comma,
// semicolon or colon, or before a conjunction) when one lies within the
// limits, so that no word is ever lost.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/analysis/lexical_stage.h"

namespace wb {

// The most bytes the lexical stage reads for one piece.
constexpr std::size_t kPieceBytes = 255;

// The bytes of text the next piece may read: all of it when it fits,
// otherwise up to the last separator within kPieceBytes (when there is
// none, one very long token is split, never inside a two-byte character).
std::size_t WindowEnd(std::string_view text);

// How many tokens a piece takes when its window holds more than the piece
// can: up to the last clause boundary among the tokens the lexical stage
// took, else all it took; 0 when it took none. The piece is read again up
// to there with the same scanning (a shorter text could scan its last token
// differently), and the next piece begins where that token ends.
int PieceTokens(const LexicalExtent& extent);

// Nothing but separators (blanks, tabs, line ends).
bool OnlySeparators(std::string_view text);

// The output bytes a sentence never carries: control characters other than
// tab, carriage return and line feed are no text, and are dropped.
void DropControlBytes(std::string& s);

}  // namespace wb
