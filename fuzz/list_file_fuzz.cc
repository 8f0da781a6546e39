// Arbitrary bytes as filelist.txt: the menu holds at most 50 entries, each a line of the
// file that holds ".rw", in file order, exactly as a plain split of the file gives them.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/route_list.h"
#include "io/memory_stream.h"
#include "plain_lines.h"

namespace {

// The candidates by a plain reading of the text convention.
std::vector<std::string> plain_candidates(const std::string& text) {
  std::vector<std::string> found;
  for (std::string& line : plain_lines(text)) {
    if (line.find(".rw") != std::string::npos) found.push_back(line);
  }
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  memory_source list(text, 1 + size % 7);
  std::ostringstream out;
  route_list routes = read_route_list(list, out);

  std::vector<std::string> expected = plain_candidates(text);
  std::size_t kept = std::min(expected.size(), kRouteListCapacity);
  if (routes.names.size() != kept || routes.left_out != expected.size() - kept) std::abort();
  std::string menu =
      "Please select a file to generate your random file.\r\n#  File name\r\n== =============\r\n";
  for (std::size_t i = 0; i < kept; ++i) {
    if (routes.names[i] != expected[i]) std::abort();
    menu += std::to_string(i + 1) + " " + expected[i] + "\r\n";
  }
  if (routes.left_out > 0) {
    menu += "Only the first 50 route files can be chosen; " + std::to_string(routes.left_out) +
            " more were left out.\r\n";
  }
  if (out.str() != menu + "\r\n") std::abort();
  return 0;
}
