// The route rewriter: a streaming copy of a route in which every line that begins with
// Velocity, Acceleration or Interval carries the drawn value instead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "io/byte_stream.h"
#include "parameters/traffic_parameters.h"

// Large enough that a copy costs one read and one write per block, small enough that a
// route of any size or line length is copied in well under a few MiB.
inline constexpr std::size_t kRewriteBlockSize = 256 * 1024;

// The line rules for one whole line given without its line end.
std::string rewrite_line(std::string_view line, const traffic_parameters& values);

enum class rewrite_outcome { complete, read_failed, write_failed };

struct rewrite_result {
  rewrite_outcome outcome = rewrite_outcome::complete;
  int error = 0;  // the errno value behind a failure
};

// Copies route to output, block_size bytes at a time in and out (block_size >= 1), in the
// text convention: every line end written is CR LF, a last line without one gets one, and
// reading stops at a Ctrl-Z. Neither a whole line nor the whole route is ever held.
rewrite_result rewrite_stream(byte_source& route, byte_sink& output,
                              const traffic_parameters& values,
                              std::size_t block_size = kRewriteBlockSize);
