// The real executable, run in temporary route directories.
#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialogue/generator.h"
#include "expected_dialogue.h"
#include "tool_runner.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

struct drawn_values {
  int speed;
  int tenths;
  int interval;
};

struct answer_ranges {
  int low;
  int high;
};

// The ranges of answers 1 to 4 for each question, written out again for the test.
const answer_ranges kSpeedRanges[] = {{60, 70}, {45, 60}, {30, 45}, {30, 70}};
const answer_ranges kTenthsRanges[] = {{9, 11}, {7, 9}, {5, 7}, {5, 11}};
const answer_ranges kIntervalRanges[] = {{200, 300}, {100, 200}, {30, 100}, {30, 300}};
const std::map<int, std::string> kAccelerationTexts = {
    {5, "0.5"}, {6, "0.6"}, {7, "0.7"}, {8, "0.8"}, {9, "0.9"}, {10, "1.0"}, {11, "1.1"}};

drawn_values values_for(std::uint32_t seed, int train_type, int acceleration, int proximity) {
  generator random = seeded_generator(seed);
  auto draw = [&](answer_ranges r) { return draw_in_range(random, r.low, r.high); };
  int speed = draw(kSpeedRanges[train_type - 1]);
  int tenths = draw(kTenthsRanges[acceleration - 1]);
  int interval = draw(kIntervalRanges[proximity - 1]);
  return {speed, tenths, interval};
}

// A route in the RW style with keys to replace, LF and CR LF ends, a NUL byte, a Ctrl-Z
// tail and a last line without its line end.
const std::string kSouthRoute =
    "; South line - test route\r\n"
    "[Options]\r\n"
    "UnitOfLength=1\n"
    "\r\n"
    "[Train]\r\n"
    "Velocity=45\r\n"
    "velocity=45\r\n"
    "Acceleration = 0.8\n"
    " Interval=120\r\n"
    "Interval=120, 300\r\n"
    "[Railway]\r\n"
    "Rail(1)=0\0x\r\n"s
    "0,Curve(600;0),Signal\r"
    "\n"
    "100,Sta(South;;;;1;1;;;60),Stop(1)";

std::string south_rewritten(const drawn_values& v) {
  return "; South line - test route\r\n"
         "[Options]\r\n"
         "UnitOfLength=1\r\n"
         "\r\n"
         "[Train]\r\n"
         "Velocity=" +
         std::to_string(v.speed) +
         "\r\n"
         "velocity=45\r\n"
         "Acceleration=" +
         kAccelerationTexts.at(v.tenths) +
         "\r\n"
         " Interval=120\r\n"
         "Interval=" +
         std::to_string(v.interval) +
         "\r\n"
         "[Railway]\r\n"
         "Rail(1)=0\0x\r\n"s
         "0,Curve(600;0),Signal\r\n"
         "100,Sta(South;;;;1;1;;;60),Stop(1)\r\n";
}

const std::string kNorthRoute = "[Train]\r\nVelocity=60\r\nInterval=90\r\n";
const std::string kList = "north.rw\r\nnotes.txt\r\nsouth.rw\r\n";
const std::vector<std::string> kMenu = {"north.rw", "south.rw"};
const std::string kOldOutput = "an earlier random.rw\r\n";

// A route directory with the list, two routes and an earlier random.rw.
void lay_out_routes(const fs::path& dir) {
  write_file(dir / "filelist.txt", kList);
  write_file(dir / "north.rw", kNorthRoute);
  write_file(dir / "south.rw", kSouthRoute);
  write_file(dir / "notes.txt", "not a route\r\n");
  write_file(dir / "random.rw", kOldOutput);
}

tool_run answer_with(const fs::path& dir, const std::string& input) {
  run_options options;
  options.input = input;
  return run_tool(dir, options);
}

std::uint32_t now() {
  return static_cast<std::uint32_t>(std::time(nullptr));
}

TEST(EndToEnd, RewritesTheChosenRouteWithTheClockSeed) {
  struct row {
    const char* name;
    std::string answers;
    std::vector<std::string> arguments;
    int train_type, acceleration, proximity;
    std::string retries;  // retry lines after the route prompt
  };
  const std::vector<row> rows = {
      {"one answer a line", "2\r\n1\r\n2\r\n3\r\n", {}, 1, 2, 3, ""},
      {"all on one line, lf", "2 4 4 4\n", {}, 4, 4, 4, ""},
      {"refusals first", "0\nx\n2\n3\n1\n2\n", {}, 3, 1, 2, retry_line(1, 2) + retry_line(1, 2)},
      {"arguments are ignored", "2 2 3 1\n", {"--help", "north.rw"}, 2, 3, 1, ""},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    scratch_directory dir;
    lay_out_routes(dir.path);
    std::uint32_t before = now();
    run_options options;
    options.input = r.answers;
    options.arguments = r.arguments;
    tool_run run = run_tool(dir.path, options);
    std::uint32_t after = now();
    ASSERT_EQ(run.exit_status, 0);
    std::string written = read_file(dir.path / "random.rw");
    bool matched = false;
    for (std::uint32_t seed = before; seed <= after && !matched; ++seed) {
      drawn_values v = values_for(seed, r.train_type, r.acceleration, r.proximity);
      matched =
          run.output == menu_text(kMenu) + kRoutePrompt + r.retries + kQuestions + kCompletion &&
          written == south_rewritten(v);
    }
    EXPECT_TRUE(matched) << "stdout: " << testing::PrintToString(run.output)
                         << "\nrandom.rw: " << testing::PrintToString(written);
    EXPECT_EQ(read_file(dir.path / "south.rw"), kSouthRoute);
  }
}

// What a run leaves of random.rw.
enum class output_file { untouched, emptied, absent, written };

// A list of 10,000 routes, of which the 50th exists.
void list_many_routes(const fs::path& dir) {
  std::string list;
  for (int i = 1; i <= 10000; ++i) list += "r" + std::to_string(i) + ".rw\r\n";
  write_file(dir / "filelist.txt", list);
  write_file(dir / "r50.rw", "Interval=5\r\n");
}

std::string many_routes_menu() {
  std::vector<std::string> names;
  for (int i = 1; i <= 50; ++i) names.push_back("r" + std::to_string(i) + ".rw");
  std::string menu = menu_text(names);
  menu.insert(menu.size() - 2,
              "Only the first 50 route files can be chosen; 9950 more were left out.\r\n");
  return menu;
}

// Whatever goes wrong, the run ends, says why, and leaves nothing half-done unsaid.
TEST(EndToEnd, FaultsEndTheRunWithAMessageAndTheRightStatus) {
  struct row {
    const char* name;
    std::function<void(const fs::path&)> arrange;  // after lay_out_routes
    std::string input;
    std::string output;
    int exit_status;
    output_file left;
    bool close_input = false;
    bool needs_linux_devices = false;
  };
  const std::string menu = menu_text(kMenu) + kRoutePrompt;
  const std::string long_answer(1000, '2');
  const std::vector<row> rows = {
      {"no list file", [](const fs::path& d) { fs::remove(d / "filelist.txt"); }, "1 1 1 1\n",
       kNoListFile, 0, output_file::untouched},
      {"list file is a directory",
       [](const fs::path& d) {
         fs::remove(d / "filelist.txt");
         fs::create_directory(d / "filelist.txt");
       },
       "1 1 1 1\n", kNoListFile, 0, output_file::untouched},
      {"no candidates",
       [](const fs::path& d) { write_file(d / "filelist.txt", "a.txt\r\nB.RW\r\n"); }, "1\n",
       kMenuHeader + "\r\n" + kNoRoutesAdvice, 0, output_file::untouched},
      {"empty list", [](const fs::path& d) { write_file(d / "filelist.txt", ""); }, "1\n",
       kMenuHeader + "\r\n" + kNoRoutesAdvice, 0, output_file::untouched},
      {"input ends at the route prompt", nullptr, "", menu + kCancelled, 1, output_file::untouched},
      {"input closed at the route prompt", nullptr, "", menu + kCancelled, 1,
       output_file::untouched, true},
      {"input ends after refusals", nullptr, "7\n", menu + retry_line(1, 2) + kCancelled, 1,
       output_file::untouched},
      {"input ends at the train type", nullptr, "2\n", menu + kTrainTypeBlock + kCancelled, 1,
       output_file::emptied},
      {"input ends at the acceleration", nullptr, "2\n1\n",
       menu + kTrainTypeBlock + kAccelerationBlock + kCancelled, 1, output_file::emptied},
      {"input ends at the proximity", nullptr, "2 1 1", menu + kQuestions + kCancelled, 1,
       output_file::emptied},
      {"listed route missing", [](const fs::path& d) { fs::remove(d / "south.rw"); }, "2 1 1 1\n",
       menu + "Route file south.rw cannot be read: No such file or directory\r\n", 1,
       output_file::untouched},
      {"route is a directory",
       [](const fs::path& d) {
         fs::remove(d / "south.rw");
         fs::create_directory(d / "south.rw");
       },
       "2 1 1 1\n", menu + "Route file south.rw cannot be read: Is a directory\r\n", 1,
       output_file::untouched},
      {"random.rw is a directory",
       [](const fs::path& d) {
         fs::remove(d / "random.rw");
         fs::create_directory(d / "random.rw");
       },
       "2 1 1 1\n", menu + "Output file random.rw cannot be written: Is a directory\r\n", 1,
       output_file::absent},
      {"disk full",
       [](const fs::path& d) {
         fs::remove(d / "random.rw");
         fs::create_symlink("/dev/full", d / "random.rw");
       },
       "2 1 1 1\n",
       menu + kQuestions +
           "Output file random.rw could not be written completely: No space left on device\r\n",
       1, output_file::absent, false, true},
      {"route fails while it is copied",
       [](const fs::path& d) {
         // Opens like any file, then every read fails with an I/O error.
         fs::remove(d / "south.rw");
         fs::create_symlink("/proc/self/mem", d / "south.rw");
       },
       "2 1 1 1\n",
       menu + kQuestions + "Route file south.rw cannot be read: Input/output error\r\n", 1,
       output_file::emptied, false, true},
      {"10,000 candidates", list_many_routes, "51\n50\n1 1 1\n",
       many_routes_menu() + kRoutePrompt + retry_line(1, 50) + kQuestions + kCompletion, 0,
       output_file::written},
      {"answers of 1,000 characters", nullptr, long_answer + "\n2\n" + long_answer + " 1 1 1\n",
       menu + retry_line(1, 2) + kTrainTypeBlock + retry_line(1, 4) + kAccelerationBlock +
           kProximityBlock + kCompletion,
       0, output_file::written},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.needs_linux_devices && tool_is_windows_build()) continue;
    scratch_directory dir;
    lay_out_routes(dir.path);
    if (r.arrange) r.arrange(dir.path);
    run_options options;
    options.input = r.input;
    options.close_input = r.close_input;
    tool_run run = run_tool(dir.path, options);
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.exit_status, r.exit_status);
    EXPECT_EQ(run.output, r.output);
    const fs::path output = dir.path / "random.rw";
    switch (r.left) {
      case output_file::untouched:
        EXPECT_EQ(read_file(output), kOldOutput);
        break;
      case output_file::emptied:
        EXPECT_TRUE(fs::is_regular_file(output));
        EXPECT_EQ(read_file(output), "");
        break;
      case output_file::absent:
        EXPECT_FALSE(fs::is_regular_file(output));
        break;
      case output_file::written: {
        std::string written = read_file(output);
        EXPECT_NE(written, kOldOutput);
        EXPECT_TRUE(written.ends_with("\r\n"));
        break;
      }
    }
  }
}

TEST(EndToEnd, RefusesToReadRandomRwItself) {
  struct row {
    const char* name;
    std::string listed;
    std::function<void(const fs::path&)> arrange;
  };
  const std::vector<row> rows = {
      {"by its own name", "random.rw", nullptr},
      {"through ./", "./random.rw", nullptr},
      {"through a symbolic link", "link.rw",
       [](const fs::path& d) { fs::create_symlink("random.rw", d / "link.rw"); }},
      {"through a hard link", "hard.rw",
       [](const fs::path& d) { fs::create_hard_link(d / "random.rw", d / "hard.rw"); }},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    scratch_directory dir;
    lay_out_routes(dir.path);
    write_file(dir.path / "filelist.txt", r.listed + "\r\n");
    if (r.arrange) r.arrange(dir.path);
    tool_run run = answer_with(dir.path, "1 1 1 1\n");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.output, menu_text({r.listed}) + kRoutePrompt + "Route file " + r.listed +
                              " is the output file random.rw itself - choose another route.\r\n");
    EXPECT_EQ(read_file(dir.path / "random.rw"), kOldOutput);
  }
}

TEST(EndToEnd, ANameWithANulByteIsNotCutShort) {
  scratch_directory dir;
  lay_out_routes(dir.path);
  // Cut at the NUL the name would be north.rw, a file that exists.
  const std::string listed = "north.rw\0.rw"s;
  write_file(dir.path / "filelist.txt", listed + "\r\n");
  tool_run run = answer_with(dir.path, "1 1 1 1\n");
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.output, menu_text({listed}) + kRoutePrompt + "Route file " + listed +
                            " cannot be read: Invalid argument\r\n");
  EXPECT_EQ(read_file(dir.path / "random.rw"), kOldOutput);
}

TEST(EndToEnd, PeakMemoryStaysSmallOnAHalfGibibyteLine) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizers' own memory would be measured";
#endif
  if (!tool_runs_natively()) GTEST_SKIP() << "the launcher's memory would be measured";
  struct row {
    const char* name;
    std::string start;
  };
  // A copied line and a replaced one; the rest of each is a sparse run of NUL bytes, so
  // the test takes no disk, and random.rw goes to /dev/null.
  const std::vector<row> rows = {{"ordinary line", "Rail(0)="}, {"key line", "Velocity="}};
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    scratch_directory dir;
    write_file(dir.path / "filelist.txt", "huge.rw\r\n");
    write_file(dir.path / "huge.rw", r.start);
    fs::resize_file(dir.path / "huge.rw", std::uintmax_t{512} << 20);
    fs::create_symlink("/dev/null", dir.path / "random.rw");
    tool_run run = answer_with(dir.path, "1 1 1 1\n");
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.output, menu_text({"huge.rw"}) + kRoutePrompt + kQuestions + kCompletion);
    EXPECT_LT(run.peak_memory_kib, 8 * 1024);
  }
}

}  // namespace
