// The bounded number prompt every choice of the dialogue goes through.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

// Longest answer word taken; a longer one is refused whole rather than read in pieces.
inline constexpr std::size_t kAnswerBufferSize = 32;

// The value of an answer word: its leading decimal integer (optional sign, then digits),
// or 0 when it has none. Empty when the digits leave the signed 32-bit range.
std::optional<int> word_value(std::string_view word);

// Reads words from in until one is a whole number in low..high (low <= high) and returns
// it; every other word draws one retry line on out. The caller has written the prompt.
// Empty when the input ends first.
std::optional<int> ask_number(std::istream& in, std::ostream& out, int low, int high);
