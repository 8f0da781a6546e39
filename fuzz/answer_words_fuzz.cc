// Arbitrary bytes as standard input to the number prompt, with arbitrary bounds: every
// answer it gives lies within them, and all it writes is whole retry lines.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>

#include "dialogue/ask_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  std::int32_t low = 0;
  std::int32_t high = 0;
  std::memcpy(&low, data, 4);
  std::memcpy(&high, data + 4, 4);
  if (low > high) std::swap(low, high);
  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 8, size - 8));
  const std::string retry = "Sorry - value must be between " + std::to_string(low) + " and " +
                            std::to_string(high) + " - try again.\r\n";
  // Each call consumes at least one byte or ends the input.
  for (std::size_t calls = 0; calls <= size; ++calls) {
    std::ostringstream out;
    auto answer = ask_number(in, out, low, high);
    const std::string written = out.str();
    if (written.size() % retry.size() != 0) std::abort();
    for (std::size_t at = 0; at < written.size(); at += retry.size()) {
      if (written.compare(at, retry.size(), retry) != 0) std::abort();
    }
    if (!answer) return 0;
    if (*answer < low || *answer > high) std::abort();
  }
  std::abort();  // the input never ended
}
