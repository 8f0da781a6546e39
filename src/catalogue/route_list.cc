#include "catalogue/route_list.h"

#include <array>
#include <string_view>

#include "dialogue/ask_number.h"
#include "io/file_stream.h"
#include "io/text_lines.h"

namespace {

constexpr std::array<std::string_view, 3> kHeader = {
    "Please select a file to generate your random file.",
    "#  File name",
    "== =============",
};

constexpr std::array<std::string_view, 3> kNoRoutesAdvice = {
    "No datafiles (of type *.rw) found. You need to do the following...",
    "1) move 'routescan' to your route directory and execute it.",
    "2) move Trackdice to your route directory and execute it.",
};

bool is_candidate(const std::string& line) {
  return line.find(".rw") != std::string::npos;
}

void write_lines(std::ostream& out, const auto& lines) {
  for (std::string_view line : lines) write_line(out, line);
}

}  // namespace

route_list read_route_list(byte_source& list_file, std::ostream& out) {
  write_lines(out, kHeader);
  route_list routes;
  line_reader reader(list_file);
  std::string line;
  while (read_line(reader, line)) {
    if (!is_candidate(line)) continue;
    if (routes.names.size() == kRouteListCapacity) {
      ++routes.left_out;
      continue;
    }
    routes.names.push_back(line);
    write_line(out, std::to_string(routes.names.size()) + " " + line);
  }
  if (routes.left_out > 0) {
    write_line(out, "Only the first " + std::to_string(kRouteListCapacity) +
                        " route files can be chosen; " + std::to_string(routes.left_out) +
                        " more were left out.");
  }
  write_blank_line(out);
  return routes;
}

std::optional<route_list> load_route_list(std::ostream& out) {
  int error = 0;
  // The probe: no openable list file means routescan has not been run here.
  if (open_source(kRouteListFile, error) == nullptr) {
    write_line(out, "Please click on 'Routescan' to build your input file.");
    return std::nullopt;
  }
  std::unique_ptr<file_source> list_file = open_source(kRouteListFile, error);
  if (list_file == nullptr) {
    write_line(out, std::string("Input file ") + kRouteListFile + " is not in this directory!");
    return std::nullopt;
  }
  route_list routes = read_route_list(*list_file, out);
  list_file.reset();
  if (routes.names.empty()) {
    write_lines(out, kNoRoutesAdvice);
    return std::nullopt;
  }
  return routes;
}

std::optional<std::string> choose_route(const route_list& routes, std::istream& in,
                                        std::ostream& out) {
  write_prompt(out, "Enter the file you wish to randomize and press RETURN: ");
  std::optional<int> choice = ask_number(in, out, 1, static_cast<int>(routes.names.size()));
  if (!choice) return std::nullopt;
  return routes.names[static_cast<std::size_t>(*choice - 1)];
}
