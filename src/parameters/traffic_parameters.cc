#include "parameters/traffic_parameters.h"

#include <array>
#include <string_view>

#include "dialogue/ask_number.h"
#include "io/text_lines.h"

namespace {

struct value_range {
  int low;
  int high;
};

struct question {
  std::string_view title;
  std::array<std::string_view, 4> options;
  std::string_view prompt;
  std::int32_t traffic_parameters::*value;
  std::array<value_range, 4> ranges;  // by answer; neighbours share their ends
};

constexpr std::array<question, 3> kQuestions = {{
    {"Enter the train type you are following...",
     {"  (1) Passenger", "  (2) Freight", "  (3) Ore train", "  (4) Random"},
     "Train type:",
     &traffic_parameters::speed,
     {{{60, 70}, {45, 60}, {30, 45}, {30, 70}}}},
    {"Enter the proceeding train's acceleration",
     {"  (1) Brisk", "  (2) Moderate", "  (3) Slow", "  (4) Random"},
     "Acceleration:",
     &traffic_parameters::acceleration_tenths,
     {{{9, 11}, {7, 9}, {5, 7}, {5, 11}}}},
    {"Enter the lead the proceeding train has over you.",
     {"  (1) Long", "  (2) Normal", "  (3) Close", "  (4) Random"},
     "Proximity:",
     &traffic_parameters::interval,
     {{{200, 300}, {100, 200}, {30, 100}, {30, 300}}}},
}};

}  // namespace

std::optional<traffic_parameters> ask_traffic_parameters(std::istream& in, std::ostream& out,
                                                         generator& random) {
  traffic_parameters drawn;
  for (const question& asked : kQuestions) {
    write_blank_line(out);
    write_line(out, asked.title);
    for (std::string_view option : asked.options) write_line(out, option);
    write_prompt(out, asked.prompt);
    std::optional<int> answer = ask_number(in, out, 1, static_cast<int>(asked.ranges.size()));
    if (!answer) return std::nullopt;
    value_range range = asked.ranges[static_cast<std::size_t>(*answer - 1)];
    drawn.*asked.value = draw_in_range(random, range.low, range.high);
  }
  return drawn;
}
