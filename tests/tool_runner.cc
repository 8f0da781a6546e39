#include "tool_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <thread>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void start_child(const fs::path& directory, const fs::path& input_file,
                              const fs::path& output_file, const run_options& options) {
  if (chdir(directory.c_str()) != 0) _exit(126);
  if (options.close_input) {
    close(0);
  } else {
    int input = open(input_file.c_str(), O_RDONLY);
    if (input < 0 || dup2(input, 0) < 0) _exit(126);
    close(input);
  }
  int output = open(output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (output < 0 || dup2(output, 1) < 0) _exit(126);
  close(output);
  std::string program = options.program == tool::trackdice ? TRACKDICE_TOOL : TRACKDICE_ROUTESCAN;
  std::string launcher = TRACKDICE_LAUNCHER;
  std::vector<std::string> words;
  std::istringstream launcher_words(launcher);  // such as "valgrind --error-exitcode=99"
  for (std::string word; launcher_words >> word;) words.push_back(word);
  words.push_back(program);
  words.insert(words.end(), options.arguments.begin(), options.arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

}  // namespace

tool_run run_tool(const fs::path& directory, const run_options& options) {
  scratch_directory io;
  const fs::path input_file = io.path / "stdin";
  const fs::path output_file = io.path / "stdout";
  write_file(input_file, options.input);

  tool_run run;
  pid_t child = fork();
  if (child == 0) start_child(directory, input_file, output_file, options);
  if (child < 0) return run;

  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.timeout_seconds);
  int status = 0;
  rusage usage{};
  for (;;) {
    pid_t done = wait4(child, &status, WNOHANG, &usage);
    if (done == child) break;
    if (std::chrono::steady_clock::now() > deadline) {
      run.timed_out = true;
      kill(child, SIGKILL);
      wait4(child, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!run.timed_out && WIFEXITED(status)) run.exit_status = WEXITSTATUS(status);
  run.peak_memory_kib = usage.ru_maxrss;
  run.output = read_file(output_file);
  return run;
}

bool tool_runs_natively() {
  return std::string_view(TRACKDICE_LAUNCHER).empty();
}

bool tool_is_windows_build() {
  return std::string_view(TRACKDICE_TOOL).ends_with(".exe");
}

scratch_directory::scratch_directory() {
  std::string pattern = (fs::temp_directory_path() / "trackdice-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path = pattern;
}

scratch_directory::~scratch_directory() {
  std::error_code ignored;
  // Links and unwritable folders made by a test must not stop the clean-up.
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path, ignored);
}

std::string read_file(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void write_file(const fs::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
