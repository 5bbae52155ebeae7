#pragma once
// Where a run of text breaks into sentences: after ! . : ; ? @ | followed
// by a blank or a line end, and at the end of the text; a full stop after a
// single capital ("J. Smith") is an initial, and one after a title that
// stands before a name ("Mr. Smith", "Dr. Lee", "Mt. Everest") an
// abbreviation: neither breaks anything. The page
// filter cuts page text so, and the command-line tool cuts each input line
// the same way.

#include <cstddef>
#include <string_view>

namespace wb {

// The end (one past the last byte) of the sentence that starts at `start`;
// text.size() when the rest is one sentence.
std::size_t SentenceEnd(std::string_view text, std::size_t start);

}  // namespace wb
