// make_route PATH MIB [lf|single-line]: writes a realistic route of MIB mebibytes.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "route_maker.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_route PATH MIB [lf|single-line]\n");
    return 2;
  }
  route_shape shape;
  shape.bytes = std::strtoul(argv[2], nullptr, 10) << 20;
  std::string_view kind = argc > 3 ? argv[3] : "";
  shape.crlf = kind != "lf";
  shape.single_line = kind == "single-line";
  std::string route = make_route(shape);
  std::FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr || std::fwrite(route.data(), 1, route.size(), file) != route.size() ||
      std::fclose(file) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
