#include "rewriting/line_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TEST(StartsAKey, KnowsEachKeysFirstLetter) {
  for (std::string_view key : kKeys) EXPECT_TRUE(starts_a_key(key[0])) << key;
  for (char c : std::string("vaiXBrx;[ \r\n")) EXPECT_FALSE(starts_a_key(c)) << c;
}

TEST(FindStop, StopsAtTheLineEndsThatNeedALook) {
  struct row {
    const char* name;
    std::string text;
    bool cr_before;
    std::ptrdiff_t stop;  // -1 for none
  };
  const std::vector<row> rows = {
      {"crlf lines pass", "ab\r\ncd\r\nef", false, -1},
      {"lone lf", "ab\r\ncd\nef", false, 6},
      {"key after crlf", "ab\r\nVel", false, 3},
      {"lf in the last byte", "ab\r\n", false, 3},
      {"lf first, cr before", "\nab", true, -1},
      {"lf first, no cr before", "\nab", false, 0},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    const char* begin = r.text.data();
    const char* end = begin + r.text.size();
    for (find_stop_function find : find_stop_variants()) {
      const char* found = find(begin, end, r.cr_before);
      EXPECT_EQ(found == nullptr ? -1 : found - begin, r.stop);
    }
  }
}

TEST(FindStop, AgreesWithTheBytewiseScan) {
  // Long stretches of CR LF lines with the odd lone LF, key letter or CR, at every
  // alignment, so that the 64-byte steps meet them at every position.
  const std::string alphabet = "\r\n\r\n\r\nxxxxxxxxxxxxxxxxxxxxxxxxxxVAI";
  std::mt19937 random(99);
  for (int trial = 0; trial < 5000; ++trial) {
    std::string text(random() % 300, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    std::size_t from = text.empty() ? 0 : random() % text.size();
    bool cr_before = random() % 2 == 0;
    const char* begin = text.data() + from;
    const char* end = text.data() + text.size();
    for (find_stop_function find : find_stop_variants()) {
      ASSERT_EQ(find(begin, end, cr_before), find_stop_bytewise(begin, end, cr_before))
          << testing::PrintToString(text) << " from " << from;
    }
  }
}

}  // namespace
