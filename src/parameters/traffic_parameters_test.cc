#include "parameters/traffic_parameters.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "expected_dialogue.h"

namespace {

TEST(AskTrafficParameters, SeedOneAndAnswersOneGiveTheKnownValues) {
  generator random = seeded_generator(1);
  std::istringstream in("1\r\n1\r\n1\r\n");
  std::ostringstream out;
  std::optional<traffic_parameters> values = ask_traffic_parameters(in, out, random);
  ASSERT_TRUE(values);
  EXPECT_EQ(values->speed, 68);
  EXPECT_EQ(values->acceleration_tenths, 11);
  EXPECT_EQ(values->interval, 272);
  EXPECT_EQ(out.str(), kQuestions);
}

TEST(AskTrafficParameters, EachAnswerDrawsFromItsRange) {
  struct row {
    const char* name;
    int answer;
    int speed_low, speed_high;
    int tenths_low, tenths_high;
    int interval_low, interval_high;
  };
  const std::vector<row> rows = {
      {"1 passenger, brisk, long", 1, 60, 70, 9, 11, 200, 300},
      {"2 freight, moderate, normal", 2, 45, 60, 7, 9, 100, 200},
      {"3 ore train, slow, close", 3, 30, 45, 5, 7, 30, 100},
      {"4 random", 4, 30, 70, 5, 11, 30, 300},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<bool> speeds(71), tenths(12), intervals(301);
    for (std::uint32_t seed = 0; seed < 20000; ++seed) {
      generator random = seeded_generator(seed);
      std::string answer = std::to_string(r.answer);
      std::istringstream in(answer + " " + answer + " " + answer);
      std::ostringstream out;
      std::optional<traffic_parameters> values = ask_traffic_parameters(in, out, random);
      ASSERT_TRUE(values);
      ASSERT_GE(values->speed, r.speed_low);
      ASSERT_LE(values->speed, r.speed_high);
      ASSERT_GE(values->acceleration_tenths, r.tenths_low);
      ASSERT_LE(values->acceleration_tenths, r.tenths_high);
      ASSERT_GE(values->interval, r.interval_low);
      ASSERT_LE(values->interval, r.interval_high);
      speeds[static_cast<std::size_t>(values->speed)] = true;
      tenths[static_cast<std::size_t>(values->acceleration_tenths)] = true;
      intervals[static_cast<std::size_t>(values->interval)] = true;
    }
    // Both ends of every range are reachable.
    EXPECT_TRUE(speeds[static_cast<std::size_t>(r.speed_low)]);
    EXPECT_TRUE(speeds[static_cast<std::size_t>(r.speed_high)]);
    EXPECT_TRUE(tenths[static_cast<std::size_t>(r.tenths_low)]);
    EXPECT_TRUE(tenths[static_cast<std::size_t>(r.tenths_high)]);
    EXPECT_TRUE(intervals[static_cast<std::size_t>(r.interval_low)]);
    EXPECT_TRUE(intervals[static_cast<std::size_t>(r.interval_high)]);
  }
}

TEST(AskTrafficParameters, DrawsInTheOrderSpeedAccelerationInterval) {
  generator random = seeded_generator(1);
  std::istringstream in("4 4 4");
  std::ostringstream out;
  std::optional<traffic_parameters> values = ask_traffic_parameters(in, out, random);
  ASSERT_TRUE(values);
  EXPECT_EQ(values->speed, 30 + 41 % 41);
  EXPECT_EQ(values->acceleration_tenths, 5 + 18467 % 7);
  EXPECT_EQ(values->interval, 30 + 6334 % 271);
}

TEST(AskTrafficParameters, ARefusedAnswerDrawsNothing) {
  generator random = seeded_generator(1);
  std::istringstream in("5 0 1 1 1");
  std::ostringstream out;
  std::optional<traffic_parameters> values = ask_traffic_parameters(in, out, random);
  ASSERT_TRUE(values);
  EXPECT_EQ(values->speed, 68);
  EXPECT_EQ(out.str(), kTrainTypeBlock + retry_line(1, 4) + retry_line(1, 4) + kAccelerationBlock +
                           kProximityBlock);
}

TEST(AskTrafficParameters, EndOfInputAtEachQuestionGivesNothing) {
  for (const char* answers : {"", "1", "1 2"}) {
    SCOPED_TRACE(answers);
    generator random = seeded_generator(1);
    std::istringstream in(answers);
    std::ostringstream out;
    EXPECT_EQ(ask_traffic_parameters(in, out, random), std::nullopt);
  }
}

}  // namespace
