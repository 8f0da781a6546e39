// routescan: writes filelist.txt for trackdice from the route files in a directory.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct route_scan {
  std::vector<std::string> routes;  // in byte order
  std::size_t other_case = 0;       // names with ".rw" only in another case, such as ".RW"
};

// Picks from the names of a directory's regular files those that trackdice's menu offers:
// names holding ".rw", random.rw (trackdice's own output) left out.
route_scan pick_routes(std::vector<std::string> file_names);

// The names of the regular files in the current directory, or empty with error set.
std::optional<std::vector<std::string>> list_regular_files(int& error);

// Scans the current directory, writes filelist.txt and reports; the exit status.
int run_routescan(std::ostream& out);

// The program: binary console, the current directory, stdout.
int routescan_main();
