#include "rewriting/route_files.h"

#include <cstring>

#include "io/text_lines.h"
#include "rewriting/route_rewriter.h"

namespace {

void report_unreadable_route(std::ostream& out, const std::string& name, int error) {
  write_line(out, "Route file " + name + " cannot be read: " + std::strerror(error));
}

void report_incomplete_output(std::ostream& out, int error) {
  write_line(out, std::string("Output file ") + kOutputFile +
                      " could not be written completely: " + std::strerror(error));
}

}  // namespace

std::optional<route_files> open_route_files(const std::string& route_name, std::ostream& out) {
  route_files files{route_name, nullptr, nullptr};
  int error = 0;
  files.route = open_source(route_name, error);
  if (files.route == nullptr) {
    report_unreadable_route(out, route_name, error);
    return std::nullopt;
  }
  // Opening random.rw empties it: it must not be the route about to be read.
  if (same_file(route_name, kOutputFile)) {
    write_line(out, "Route file " + route_name + " is the output file " + kOutputFile +
                        " itself - choose another route.");
    return std::nullopt;
  }
  files.output = open_sink(kOutputFile, error);
  if (files.output == nullptr) {
    write_line(out, std::string("Output file ") + kOutputFile +
                        " cannot be written: " + std::strerror(error));
    return std::nullopt;
  }
  return files;
}

bool rewrite_route(route_files& files, const traffic_parameters& values, std::ostream& out) {
  rewrite_result result = rewrite_stream(*files.route, *files.output, values);
  files.route.reset();
  int close_error = files.output->close();
  files.output.reset();
  if (result.outcome == rewrite_outcome::read_failed) {
    report_unreadable_route(out, files.route_name, result.error);
    return false;
  }
  if (result.outcome == rewrite_outcome::write_failed) {
    report_incomplete_output(out, result.error);
    return false;
  }
  if (close_error != 0) {
    report_incomplete_output(out, close_error);
    return false;
  }
  write_blank_line(out);
  write_line(out, "File complete: run BVE with random.rw as your route. And WATCH FOR SIGNALS!");
  write_blank_line(out);
  return true;
}
