// The real routescan executable, then trackdice on the list it wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "expected_dialogue.h"
#include "tool_runner.h"

namespace fs = std::filesystem;

namespace {

tool_run scan(const fs::path& dir) {
  run_options options;
  options.program = tool::routescan;
  return run_tool(dir, options);
}

TEST(RoutescanEndToEnd, ListsTheRouteFilesForTrackdice) {
  scratch_directory dir;
  for (const char* name :
       {"north.rw", "South.rw", "a.rw.bak", "CAPS.RW", "Old.Rw", "random.rw", "notes.txt"}) {
    write_file(dir.path / name, "[Train]\r\nVelocity=50\r\n");
  }
  fs::create_directory(dir.path / "folder.rw");
  write_file(dir.path / "filelist.txt", "stale.rw\r\n");

  tool_run run = scan(dir.path);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output,
            "Listed 3 route files in filelist.txt - trackdice can now be run.\r\n"
            "Skipped 2 files named with \".rw\" in another case, such as \".RW\": trackdice "
            "offers only names with a lower-case \".rw\" - rename them to offer them.\r\n");
  EXPECT_EQ(read_file(dir.path / "filelist.txt"), "South.rw\r\na.rw.bak\r\nnorth.rw\r\n");
  EXPECT_FALSE(fs::exists(dir.path / "filelist.txt.new"));

  run_options answers;
  answers.input = "3 1 1 1\n";
  tool_run dialogue = run_tool(dir.path, answers);
  EXPECT_EQ(dialogue.exit_status, 0);
  EXPECT_EQ(dialogue.output, menu_text({"South.rw", "a.rw.bak", "north.rw"}) + kRoutePrompt +
                                 kQuestions + kCompletion);
}

TEST(RoutescanEndToEnd, SaysWhenThereIsOnlyOneRouteOrNone) {
  struct row {
    const char* name;
    std::vector<std::string> files;
    std::string output;
    std::string list;
  };
  const std::vector<row> rows = {
      {"none",
       {"readme.txt"},
       "No route files (names holding \".rw\") found here - filelist.txt is empty.\r\n",
       ""},
      {"one, and one in capitals",
       {"only.rw", "OTHER.RW"},
       "Listed 1 route file in filelist.txt - trackdice can now be run.\r\n"
       "Skipped 1 file named with \".rw\" in another case, such as \".RW\": trackdice offers "
       "only names with a lower-case \".rw\" - rename them to offer them.\r\n",
       "only.rw\r\n"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    scratch_directory dir;
    for (const std::string& name : r.files) write_file(dir.path / name, "x\r\n");
    tool_run run = scan(dir.path);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.output, r.output);
    EXPECT_EQ(read_file(dir.path / "filelist.txt"), r.list);
  }
}

TEST(RoutescanEndToEnd, KeepsTheEarlierListWhenItCannotWrite) {
  struct row {
    const char* name;
    std::function<void(const fs::path&)> arrange;
    std::string output;
    bool needs_linux_devices;
  };
  // The new list is written beside the old one first.
  const std::vector<row> rows = {
      {"its place is taken",
       [](const fs::path& d) { fs::create_directory(d / "filelist.txt.new"); },
       "Cannot write filelist.txt: Is a directory\r\n", false},
      {"disk full",
       [](const fs::path& d) { fs::create_symlink("/dev/full", d / "filelist.txt.new"); },
       "Cannot write filelist.txt: No space left on device\r\n", true},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.needs_linux_devices && tool_is_windows_build()) continue;
    scratch_directory dir;
    write_file(dir.path / "a.rw", "x\r\n");
    write_file(dir.path / "filelist.txt", "earlier.rw\r\n");
    r.arrange(dir.path);
    tool_run run = scan(dir.path);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.output, r.output);
    EXPECT_EQ(read_file(dir.path / "filelist.txt"), "earlier.rw\r\n");
  }
}

}  // namespace
