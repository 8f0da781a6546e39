#include "dialogue/run_dialogue.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "expected_dialogue.h"

namespace fs = std::filesystem;

namespace {

// Runs the dialogue in a fresh directory holding one route, with the seed given.
class DialogueInDirectory : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "trackdice-dialogue-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    previous_ = fs::current_path();
    fs::current_path(directory_);
    write("filelist.txt", "line.rw\r\n");
    write("line.rw", "[Train]\r\nVelocity=40\r\nAcceleration=0.5\r\nInterval=300\r\n");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(directory_, ignored);
  }
  static void write(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  static std::string read(const char* name) {
    std::ostringstream bytes;
    bytes << std::ifstream(name, std::ios::binary).rdbuf();
    return bytes.str();
  }

  fs::path directory_;
  fs::path previous_;
};

TEST_F(DialogueInDirectory, SeedOneAndAnswersOneWriteTheKnownValues) {
  std::istringstream in("1\n1\n1\n1\n");
  std::ostringstream out;
  EXPECT_EQ(run_dialogue(in, out, 1), 0);
  EXPECT_EQ(out.str(), menu_text({"line.rw"}) + kRoutePrompt + kQuestions + kCompletion);
  EXPECT_EQ(read("random.rw"), "[Train]\r\nVelocity=68\r\nAcceleration=1.1\r\nInterval=272\r\n");
}

TEST_F(DialogueInDirectory, TheSameSeedDrawsTheSameValues) {
  std::string first;
  for (int run = 0; run < 2; ++run) {
    std::istringstream in("1 4 4 4");
    std::ostringstream out;
    ASSERT_EQ(run_dialogue(in, out, 1765432100u), 0);
    if (run == 0) first = read("random.rw");
  }
  EXPECT_EQ(read("random.rw"), first);
}

}  // namespace
