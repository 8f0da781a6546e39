// The route catalogue: the candidates named in filelist.txt, shown as a numbered menu.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "io/byte_stream.h"

inline constexpr std::size_t kRouteListCapacity = 50;
inline constexpr const char* kRouteListFile = "filelist.txt";

struct route_list {
  std::vector<std::string> names;  // at most kRouteListCapacity, in file order
  std::size_t left_out = 0;        // candidates past the capacity
};

// Reads the list file's lines, printing the header and a menu line for every candidate
// it keeps, the overflow note when some were left out, and the closing blank line.
route_list read_route_list(byte_source& list_file, std::ostream& out);

// Opens filelist.txt in the current directory and reads it. Empty when the run is over:
// no list file, or no candidate in it; the advice has been printed.
std::optional<route_list> load_route_list(std::ostream& out);

// Prompts for a menu number and returns that name; empty when the input ended.
// Requires at least one name.
std::optional<std::string> choose_route(const route_list& routes, std::istream& in,
                                        std::ostream& out);
