// Arbitrary bytes as a route, in blocks of 1 byte to 64 KiB: the streaming rewrite must
// give exactly what a deliberately naive rewrite gives.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/memory_stream.h"
#include "plain_lines.h"
#include "rewriting/route_rewriter.h"

namespace {

const traffic_parameters kValues{68, 11, 272};

// The whole route in memory, split into lines, each line tried against each key.
std::string naive_rewrite(const std::string& text) {
  std::string written;
  for (std::string line : plain_lines(text)) {
    if (line.rfind("Velocity", 0) == 0) {
      line = "Velocity=68";
    } else if (line.rfind("Acceleration", 0) == 0) {
      line = "Acceleration=1.1";
    } else if (line.rfind("Interval", 0) == 0) {
      line = "Interval=272";
    }
    written += line + "\r\n";
  }
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t block_size = 1 + ((std::size_t{data[0]} << 8 | data[1]) % 65536);
  const std::string route(reinterpret_cast<const char*>(data) + 2, size - 2);
  memory_source source(route, 1 + size % 5000);
  memory_sink sink;
  rewrite_result result = rewrite_stream(source, sink, kValues, block_size);
  if (result.outcome != rewrite_outcome::complete) std::abort();
  if (sink.text() != naive_rewrite(route)) std::abort();
  return 0;
}
