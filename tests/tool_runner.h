// Runs the real trackdice executable in a directory, as a user would, and collects what it
// printed, its exit status and its peak memory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct tool_run {
  int exit_status = -1;  // -1 when it did not exit on its own
  bool timed_out = false;
  std::string output;  // standard output, byte for byte
  long peak_memory_kib = 0;
};

enum class tool { trackdice, routescan };

struct run_options {
  tool program = tool::trackdice;
  std::string input;         // standard input
  bool close_input = false;  // start with standard input closed instead
  std::vector<std::string> arguments;
  int timeout_seconds = 120;
};

// The executable is the one the build names, run through its launcher when there is one
// (wine, for the Windows build).
tool_run run_tool(const std::filesystem::path& directory, const run_options& options);

// True when the tool runs without a launcher, so that its memory is its own.
bool tool_runs_natively();

// True for the Windows executables, which know nothing of Linux devices.
bool tool_is_windows_build();

// A fresh directory that is removed with everything in it when this goes out of scope.
struct scratch_directory {
  scratch_directory();
  ~scratch_directory();
  scratch_directory(const scratch_directory&) = delete;
  scratch_directory& operator=(const scratch_directory&) = delete;
  std::filesystem::path path;
};

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);
