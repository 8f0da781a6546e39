// Realistic routes of any size for the benchmarks: the lines of an RW route's [Railway]
// section, with a [Train] block (Velocity, Acceleration, Interval) now and then.
#pragma once

#include <cstddef>
#include <string>

struct route_shape {
  std::size_t bytes = 0;               // at least this many
  bool crlf = true;                    // CR LF line ends, else LF
  std::size_t lines_per_train = 4096;  // ordinary lines between two [Train] blocks
  bool single_line = false;            // one line of bytes bytes
};

std::string make_route(const route_shape& shape);
