// The rewriter's output: short pieces are copied into a staging buffer, long runs are
// referred to where they lie in the input block, and all of it goes to the sink in one
// gathered write per block. A copy of every byte, or a write per line, would each cost
// more than the rewrite itself.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "io/byte_stream.h"

struct block_output {
  block_output(byte_sink& to, std::size_t staging_size);

  byte_sink& sink;
  std::size_t capacity;
  std::unique_ptr<char[]> staging;
  std::size_t used = 0;
  std::vector<std::string_view> pieces;
  bool last_staged = false;  // the last piece lies at the end of the staging buffer
  int error = 0;  // the errno value of the first failed write; nothing is written after it
};

// Adds bytes to the output. They are referred to, not copied, when long: the caller keeps
// them in place until the next flush.
bool put(block_output& out, std::string_view bytes);

// Writes everything gathered. True when all of it has been written so far.
bool flush(block_output& out);
