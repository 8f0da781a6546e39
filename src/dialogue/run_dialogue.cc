#include "dialogue/run_dialogue.h"

#include <iostream>
#include <optional>
#include <string>

#include "catalogue/route_list.h"
#include "dialogue/generator.h"
#include "io/text_lines.h"
#include "parameters/traffic_parameters.h"
#include "rewriting/route_files.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;

int cancel(std::ostream& out) {
  write_blank_line(out);  // the prompt left the cursor on its line
  write_line(out, "No answer given - the run is cancelled.");
  return kExitFailed;
}

}  // namespace

int run_dialogue(std::istream& in, std::ostream& out, std::uint32_t seed) {
  generator random = seeded_generator(seed);
  std::optional<route_list> routes = load_route_list(out);
  if (!routes) return kExitDone;
  std::optional<std::string> route_name = choose_route(*routes, in, out);
  if (!route_name) return cancel(out);
  std::optional<route_files> files = open_route_files(*route_name, out);
  if (!files) return kExitFailed;
  std::optional<traffic_parameters> values = ask_traffic_parameters(in, out, random);
  if (!values) return cancel(out);
  return rewrite_route(*files, *values, out) ? kExitDone : kExitFailed;
}

int trackdice_main() {
  std::uint32_t seed = clock_seed();
  set_binary_console();
  return run_dialogue(std::cin, std::cout, seed);
}
