#include "io/text_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "io/memory_stream.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> all_lines(byte_source& source) {
  line_reader reader(source);
  std::vector<std::string> lines;
  std::string line;
  while (read_line(reader, line)) lines.push_back(line);
  return lines;
}

TEST(ReadLine, FollowsTheTextConventionWhateverTheReadSizes) {
  struct row {
    const char* name;
    std::string data;
    std::vector<std::string> lines;
  };
  const std::vector<row> rows = {
      {"empty", "", {}},
      {"lf", "a\nb\n", {"a", "b"}},
      {"cr lf", "a\r\nb\r\n", {"a", "b"}},
      {"mixed ends", "a\r\nb\nc\r\n", {"a", "b", "c"}},
      {"lone cr stays in the line", "a\rb\n", {"a\rb"}},
      {"cr at the very end stays", "a\r", {"a\r"}},
      {"last line without a line end", "a\nb", {"a", "b"}},
      {"blank lines", "\n\r\n\n", {"", "", ""}},
      {"ctrl-z ends the data",
       "a\nb\x1A"
       "c\nd\n",
       {"a", "b"}},
      {"ctrl-z right after a line end",
       "a\r\n\x1A"
       "b\n",
       {"a"}},
      {"ctrl-z first",
       "\x1A"
       "a\n",
       {}},
      {"nul is an ordinary byte", "a\0b\n"s, {"a\0b"s}},
      {"cr cr lf keeps one cr", "a\r\r\n", {"a\r"}},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    for (std::size_t chunk : {1u, 2u, 3u, 4096u}) {
      SCOPED_TRACE(chunk);
      memory_source source(r.data, chunk);
      EXPECT_EQ(all_lines(source), r.lines);
    }
  }
}

TEST(ReadLine, ALongLineCrossesManyBlocks) {
  std::string line(10000, 'x');
  const std::string data = line + "\r\n" + "y";
  memory_source source(data);
  EXPECT_EQ(all_lines(source), (std::vector<std::string>{line, "y"}));
}

TEST(ReadLine, AReadErrorEndsTheDataAndIsKept) {
  memory_source source("a\nbc", 4096, 3, 5);
  line_reader reader(source);
  std::string line;
  ASSERT_TRUE(read_line(reader, line));
  EXPECT_EQ(line, "a");
  ASSERT_TRUE(read_line(reader, line));
  EXPECT_EQ(line, "b");
  EXPECT_FALSE(read_line(reader, line));
  EXPECT_EQ(reader.error, 5);
}

TEST(ConsoleLines, EndWithCrLf) {
  std::ostringstream out;
  write_line(out, "one");
  write_blank_line(out);
  write_prompt(out, "Ask:");
  EXPECT_EQ(out.str(), "one\r\n\r\nAsk:");
}

}  // namespace
