// The chosen route and random.rw: opened right after the choice, so that a route that
// cannot be used is reported before any question, and rewritten after the last answer.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "io/file_stream.h"
#include "parameters/traffic_parameters.h"

inline constexpr const char* kOutputFile = "random.rw";

struct route_files {
  std::string route_name;
  std::unique_ptr<file_source> route;
  std::unique_ptr<file_sink> output;
};

// Opens the route, then creates or empties random.rw. Empty after printing why when the
// route cannot be read, is random.rw itself, or random.rw cannot be written.
std::optional<route_files> open_route_files(const std::string& route_name, std::ostream& out);

// Copies the route into random.rw, closes both and prints the completion lines, or the
// reason the copy is incomplete. True when random.rw is complete.
bool rewrite_route(route_files& files, const traffic_parameters& values, std::ostream& out);
