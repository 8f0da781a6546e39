#include "dialogue/ask_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "expected_dialogue.h"

namespace {

TEST(WordValue, IsTheLeadingDecimalInteger) {
  struct row {
    const char* word;
    std::optional<int> value;
  };
  const std::vector<row> rows = {
      {"3", 3},
      {"3x", 3},
      {"+2", 2},
      {"-4", -4},
      {"x3", 0},
      {"07", 7},
      {"2.9", 2},
      {"abc", 0},
      {"+", 0},
      {"-", 0},
      {"+-3", 0},
      {"--3", 0},
      {"++3", 0},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999x", std::nullopt},
      {"+2147483648", std::nullopt},
      {"0000000000000000000000000000001", 1},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.word);
    EXPECT_EQ(word_value(r.word), r.value);
  }
}

TEST(AskNumber, AcceptsTheFirstWordWithinBounds) {
  struct row {
    const char* name;
    std::string input;
    int low;
    int high;
    std::optional<int> result;
    int retries;
    std::string left_unread;
  };
  const std::vector<row> rows = {
      {"upper bound", "4\n", 1, 4, 4, 0, "\n"},
      {"above then within", "5\n2\n", 1, 4, 2, 1, "\n"},
      {"zero and negatives", "0 -1\n3", 1, 4, 3, 2, ""},
      {"not a number", "abc\n1\n", 1, 4, 1, 1, "\n"},
      {"trailing letters", "3x\n", 1, 4, 3, 0, "\n"},
      {"empty lines pass", "\n\r\n\n  \t2\r\n", 1, 4, 2, 0, "\r\n"},
      {"crlf between words", "9\r\n1\r\n", 1, 4, 1, 1, "\r\n"},
      {"single route", "2 0 1", 1, 1, 1, 2, ""},
      {"thirty-one characters", std::string(30, '0') + "2\n", 1, 4, 2, 0, "\n"},
      {"thirty-two characters refused whole", std::string(31, '0') + "2 3\n", 1, 4, 3, 1, "\n"},
      {"a thousand characters refused once", std::string(1000, '1') + "\n2\n", 1, 4, 2, 1, "\n"},
      {"out of the 32-bit range", "4294967297 1", 1, 4, 1, 1, ""},
      {"whole range", "-2147483648", INT_MIN, INT_MAX, INT_MIN, 0, ""},
      {"word at end of input", "3", 1, 4, 3, 0, ""},
      {"end of input", "", 1, 4, std::nullopt, 0, ""},
      {"only blanks", " \r\n\t", 1, 4, std::nullopt, 0, ""},
      {"end after refusals", "9 x", 1, 4, std::nullopt, 2, ""},
      {"ctrl-z ends the input",
       "\x1A"
       "2\n",
       1, 4, std::nullopt, 0,
       "\x1A"
       "2\n"},
      {"ctrl-z ends a word", "2\x1A", 1, 4, 2, 0, "\x1A"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    std::istringstream in(r.input);
    std::ostringstream out;
    EXPECT_EQ(ask_number(in, out, r.low, r.high), r.result);
    std::string expected_out;
    for (int i = 0; i < r.retries; ++i) expected_out += retry_line(r.low, r.high);
    EXPECT_EQ(out.str(), expected_out);
    std::string rest(std::istreambuf_iterator<char>(in), {});
    // The byte after the accepted word stays for the next reader.
    if (r.result) {
      EXPECT_EQ(rest, r.left_unread);
    }
  }
}

TEST(AskNumber, TwoWordsOnOneLineServeTwoPrompts) {
  std::istringstream in("2 3\n");
  std::ostringstream out;
  EXPECT_EQ(ask_number(in, out, 1, 4), 2);
  EXPECT_EQ(ask_number(in, out, 1, 4), 3);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(ask_number(in, out, 1, 4), std::nullopt);
}

// A screen that shows text only once it is flushed, as a console behind a buffer does.
struct flushed_only_screen : std::streambuf {
  std::string shown;
  char pending[256];
  flushed_only_screen() { setp(pending, pending + sizeof pending); }
  int sync() override {
    shown.append(pbase(), pptr());
    setp(pending, pending + sizeof pending);
    return 0;
  }
};

// A keyboard that notes what the screen showed when the first key was asked for.
struct watching_keyboard : std::streambuf {
  const flushed_only_screen& screen;
  std::string keys;
  std::string shown_when_asked;
  watching_keyboard(const flushed_only_screen& watched, std::string typed)
      : screen(watched), keys(std::move(typed)) {}
  int_type underflow() override {
    if (gptr() != nullptr) return traits_type::eof();
    shown_when_asked = screen.shown;
    setg(keys.data(), keys.data(), keys.data() + keys.size());
    return traits_type::to_int_type(keys[0]);
  }
};

TEST(AskNumber, FlushesThePromptBeforeWaiting) {
  flushed_only_screen screen;
  std::ostream out(&screen);
  watching_keyboard keyboard(screen, "1");
  std::istream in(&keyboard);
  out << "Prompt:";
  ASSERT_EQ(ask_number(in, out, 1, 1), 1);
  EXPECT_EQ(keyboard.shown_when_asked, "Prompt:");
}

}  // namespace
