#include "rewriting/route_rewriter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <string>
#include <vector>

#include "io/memory_stream.h"

namespace {

using namespace std::string_literals;

const traffic_parameters kValues{68, 11, 272};

// Block sizes that put block edges inside keys, line ends and CR LF pairs.
const std::vector<std::size_t> kBlockSizes = {1, 2, 3, 7, 13, 64, kRewriteBlockSize};

std::string rewritten(const std::string& route, std::size_t block_size,
                      const traffic_parameters& values = kValues) {
  memory_source source(route);
  memory_sink sink;
  rewrite_result result = rewrite_stream(source, sink, values, block_size);
  EXPECT_EQ(result.outcome, rewrite_outcome::complete);
  return sink.text();
}

TEST(RewriteLine, AppliesTheFirstRuleThatMatches) {
  struct row {
    const char* line;
    const char* written;
  };
  const std::vector<row> rows = {
      {"Velocity=40", "Velocity=68"},
      {"Velocity", "Velocity=68"},
      {"VelocityLimit=10", "Velocity=68"},
      {"Velocity = 40 ; old", "Velocity=68"},
      {"velocity=40", "velocity=40"},
      {" Velocity=40", " Velocity=40"},
      {"Acceleration=0.5", "Acceleration=1.1"},
      {"Interval=300, 600", "Interval=272"},
      {"Interva", "Interva"},
      {"Rail(0)=3", "Rail(0)=3"},
      {"", ""},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.line);
    EXPECT_EQ(rewrite_line(r.line, kValues), r.written);
  }
}

TEST(RewriteLine, WritesTheAccelerationInTenths) {
  struct row {
    int tenths;
    const char* written;
  };
  const std::vector<row> rows = {
      {5, "Acceleration=0.5"},  {6, "Acceleration=0.6"}, {7, "Acceleration=0.7"},
      {8, "Acceleration=0.8"},  {9, "Acceleration=0.9"}, {10, "Acceleration=1.0"},
      {11, "Acceleration=1.1"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.tenths);
    EXPECT_EQ(rewrite_line("Acceleration=3", {60, r.tenths, 100}), r.written);
  }
}

TEST(RewriteStream, AppliesTheLineRulesAtEveryBlockSize) {
  struct row {
    const char* name;
    std::string route;
    std::string written;
  };
  const std::vector<row> rows = {
      {"empty route", "", ""},
      {"no keys, crlf", "[Train]\r\nFile=x\r\n", "[Train]\r\nFile=x\r\n"},
      {"no keys, lf", "[Train]\nFile=x\n", "[Train]\r\nFile=x\r\n"},
      {"the three keys", "[Train]\r\nVelocity=40\r\nAcceleration=0.5\r\nInterval=300\r\n",
       "[Train]\r\nVelocity=68\r\nAcceleration=1.1\r\nInterval=272\r\n"},
      {"keys with lf ends", "Velocity=40\nInterval=9\n", "Velocity=68\r\nInterval=272\r\n"},
      {"same value for repeated keys", "Interval=1\r\nx\r\nInterval=2\r\n",
       "Interval=272\r\nx\r\nInterval=272\r\n"},
      {"longer key and blanks dropped", "VelocityLimit = 10 \r\n", "Velocity=68\r\n"},
      {"bare key", "Velocity\r\n", "Velocity=68\r\n"},
      {"case and leading blank kept", "velocity=1\r\n Velocity=1\r\n",
       "velocity=1\r\n Velocity=1\r\n"},
      {"key cut short", "Velo\r\nAccel\nInter", "Velo\r\nAccel\r\nInter\r\n"},
      {"letters that start a key", "Vx\r\nAa\r\nI\r\n", "Vx\r\nAa\r\nI\r\n"},
      {"last line without a line end", "a\r\nb", "a\r\nb\r\n"},
      {"last key line without a line end", "a\r\nVelocity=4", "a\r\nVelocity=68\r\n"},
      {"lone cr stays in the line", "a\rb\r\n", "a\rb\r\n"},
      {"cr at the very end", "a\r", "a\r\r\n"},
      {"cr cr lf", "a\r\r\n", "a\r\r\n"},
      {"key line with a lone cr inside", "Velocity\r=1\r\n", "Velocity=68\r\n"},
      {"blank lines", "\n\r\n\n", "\r\n\r\n\r\n"},
      {"nul inside a line", "a\0b\r\nVelocity=\0\r\n"s, "a\0b\r\nVelocity=68\r\n"s},
      {"ctrl-z ends the route",
       "a\r\n\x1A"
       "Velocity=1\r\n",
       "a\r\n"},
      {"ctrl-z ends a line",
       "a\x1A"
       "b\r\n",
       "a\r\n"},
      {"ctrl-z inside a key",
       "Velo\x1A"
       "city\r\n",
       "Velo\r\n"},
      {"ctrl-z after a key", "Interval\x1A", "Interval=272\r\n"},
      {"ctrl-z first",
       "\x1A"
       "a\r\n",
       ""},
      {"key then non-key letter then lf", "Vel\n", "Vel\r\n"},
      {"shift-jis bytes", "; \x83\x65\x83\x58\x83\x67\r\n", "; \x83\x65\x83\x58\x83\x67\r\n"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    for (std::size_t block_size : kBlockSizes) {
      SCOPED_TRACE(block_size);
      EXPECT_EQ(rewritten(r.route, block_size), r.written);
    }
  }
}

TEST(RewriteStream, CopiesALongLineAcrossManyBlocks) {
  std::string line(100000, 'x');
  std::string route = "Velocity" + line + "\r\n" + line + "\n" + line;
  std::string expected = "Velocity=68\r\n" + line + "\r\n" + line + "\r\n";
  for (std::size_t block_size : {std::size_t{7}, std::size_t{4096}}) {
    SCOPED_TRACE(block_size);
    EXPECT_EQ(rewritten(route, block_size), expected);
  }
}

// A deliberately plain rewrite: the whole route in memory, split into lines.
std::string naive_rewrite(const std::string& route) {
  std::string text = route.substr(0, route.find('\x1A'));
  std::string written;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::string line =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (end != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
    written += rewrite_line(line, kValues) + "\r\n";
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return written;
}

TEST(RewriteStream, AgreesWithAPlainLineByLineRewrite) {
  // Routes made of the pieces that matter: key letters, CR, LF, Ctrl-Z.
  const std::vector<std::string> pieces = {
      "Velocity", "Acceleration", "Interval", "V",  "Acc", "Int",           "\r",  "\n", "\r\n",
      "\r\n",     "\r\n",         "x",        "=5", " ",   "Rail(0)=1;2;3", "\x1A"};
  std::mt19937 random(12345);
  for (int trial = 0; trial < 3000; ++trial) {
    std::string route;
    // Short routes in tiny blocks meet every boundary; long ones in larger blocks take the
    // scan's 64-byte steps.
    bool small = trial % 2 == 0;
    std::size_t count = small ? random() % 12 : random() % 200;
    for (std::size_t i = 0; i < count; ++i) route += pieces[random() % pieces.size()];
    std::size_t block_size = small ? 1 + random() % 9 : 1 + random() % 700;
    SCOPED_TRACE(testing::PrintToString(route) + " in blocks of " + std::to_string(block_size));
    ASSERT_EQ(rewritten(route, block_size), naive_rewrite(route));
  }
}

TEST(RewriteStream, WritesOnceABlock) {
  struct row {
    const char* name;
    std::string line;
  };
  // Short lines are gathered, not written one by one; long ones are not split up.
  const std::vector<row> rows = {
      {"short lf lines", "Rail(1)=0\n"},
      {"short crlf lines", "Rail(1)=0\r\n"},
      {"key lines", "Velocity=1\r\nRail=2\n"},
      {"long lines", std::string(10000, 'x') + "\n"},
  };
  const std::size_t block_size = 4096;
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    std::string route;
    while (route.size() < 300000) route += r.line;
    memory_source source(route);
    memory_sink sink;
    ASSERT_EQ(rewrite_stream(source, sink, kValues, block_size).outcome, rewrite_outcome::complete);
    EXPECT_LE(sink.writes(), (route.size() + block_size - 1) / block_size + 1);
  }
}

TEST(RewriteStream, ReportsAFailedWriteWhereverItHappens) {
  std::string route = "[Train]\r\nVelocity=1\r\nRail=2\nlast";
  const std::size_t full_size = rewritten(route, kRewriteBlockSize).size();
  for (std::size_t block_size : kBlockSizes) {
    for (std::size_t capacity = 0; capacity < full_size; ++capacity) {
      SCOPED_TRACE(std::to_string(block_size) + " bytes a block, disk full after " +
                   std::to_string(capacity));
      memory_source source(route);
      memory_sink sink(capacity);
      rewrite_result result = rewrite_stream(source, sink, kValues, block_size);
      EXPECT_EQ(result.outcome, rewrite_outcome::write_failed);
      EXPECT_EQ(result.error, ENOSPC);
    }
  }
}

TEST(RewriteStream, ReportsAFailedRead) {
  memory_source source("[Train]\r\nVelocity=1\r\n", 4, 8, EIO);
  memory_sink sink;
  rewrite_result result = rewrite_stream(source, sink, kValues, 4);
  EXPECT_EQ(result.outcome, rewrite_outcome::read_failed);
  EXPECT_EQ(result.error, EIO);
}

TEST(RewriteStream, StopsReadingAtCtrlZ) {
  std::string route = "a\r\n\x1A" + std::string(100000, 'b');
  memory_source source(route);
  memory_sink sink;
  rewrite_stream(source, sink, kValues, 16);
  EXPECT_EQ(source.consumed(), 16u);
}

}  // namespace
