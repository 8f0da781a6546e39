#include "dialogue/ask_number.h"

#include <charconv>
#include <string>

#include "io/text_lines.h"

namespace {

bool is_blank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// A Ctrl-Z ends the console input as it ends a file; it is how Windows users type the end.
bool ends_input(int c) {
  return c == std::istream::traits_type::eof() || c == kEndOfText;
}

// One answer word, or nothing when the input has ended. Bytes past the buffer's length
// are counted but not kept.
struct answer_word {
  char text[kAnswerBufferSize];
  std::size_t length;
};

std::optional<answer_word> read_word(std::istream& in) {
  int c = in.get();
  while (!ends_input(c) && is_blank(c)) c = in.get();
  if (ends_input(c)) return std::nullopt;
  answer_word word{};
  while (!ends_input(c) && !is_blank(c)) {
    if (word.length < kAnswerBufferSize) word.text[word.length] = static_cast<char>(c);
    ++word.length;
    c = in.peek();
    if (ends_input(c) || is_blank(c)) break;
    c = in.get();
  }
  return word;
}

}  // namespace

std::optional<int> word_value(std::string_view word) {
  std::size_t digits = (!word.empty() && (word[0] == '+' || word[0] == '-')) ? 1 : 0;
  if (digits >= word.size() || !is_digit(word[digits])) return 0;
  // from_chars takes a minus but not a plus, and stops at the first non-digit.
  const char* first = word.data() + (word[0] == '+' ? 1 : 0);
  int value = 0;
  auto [end, error] = std::from_chars(first, word.data() + word.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) return std::nullopt;
  return value;
}

std::optional<int> ask_number(std::istream& in, std::ostream& out, int low, int high) {
  for (;;) {
    out.flush();  // the prompt must be on screen while we wait
    std::optional<answer_word> word = read_word(in);
    if (!word) return std::nullopt;
    if (word->length < kAnswerBufferSize) {
      std::optional<int> value = word_value(std::string_view(word->text, word->length));
      if (value && low <= *value && *value <= high) return *value;
    }
    write_line(out, "Sorry - value must be between " + std::to_string(low) + " and " +
                        std::to_string(high) + " - try again.");
  }
}
