#include "catalogue/route_scan.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#include "catalogue/route_list.h"
#include "io/file_stream.h"
#include "io/text_lines.h"
#include "rewriting/route_files.h"

namespace {

constexpr const char* kNewRouteListFile = "filelist.txt.new";

std::string lower_case(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string count_of(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// Writes the list beside filelist.txt and then puts it in its place, so that a failure
// leaves the earlier list as it was.
int write_route_list(const std::vector<std::string>& routes) {
  int error = 0;
  std::unique_ptr<file_sink> list = open_sink(kNewRouteListFile, error);
  if (list == nullptr) return error;
  // The sink is unbuffered: the whole list goes out in one write.
  std::string text;
  for (const std::string& route : routes) text.append(route).append(kLineEnd);
  error = list->write(text.data(), text.size());
  int close_error = list->close();
  if (error == 0) error = close_error;
  if (error == 0) error = replace_file(kNewRouteListFile, kRouteListFile);
  if (error != 0) std::remove(kNewRouteListFile);
  return error;
}

}  // namespace

route_scan pick_routes(std::vector<std::string> file_names) {
  route_scan scan;
  for (std::string& name : file_names) {
    std::string lower = lower_case(name);
    // On Windows any spelling of random.rw is trackdice's output file.
    if (lower == kOutputFile) continue;
    if (name.find(".rw") != std::string::npos) {
      scan.routes.push_back(std::move(name));
    } else if (lower.find(".rw") != std::string::npos) {
      ++scan.other_case;
    }
  }
  std::sort(scan.routes.begin(), scan.routes.end());
  return scan;
}

#ifdef _WIN32

// The ANSI names, as trackdice's fopen takes them.
std::optional<std::vector<std::string>> list_regular_files(int& error) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("*", &found);
  if (search == INVALID_HANDLE_VALUE) {
    error = EACCES;
    return std::nullopt;
  }
  std::vector<std::string> names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

#else

std::optional<std::vector<std::string>> list_regular_files(int& error) {
  DIR* directory = opendir(".");
  if (directory == nullptr) {
    error = errno;
    return std::nullopt;
  }
  std::vector<std::string> names;
  while (const dirent* entry = readdir(directory)) {
    struct stat status {};
    // A link to a route file is as good as the file.
    if (stat(entry->d_name, &status) == 0 && S_ISREG(status.st_mode)) {
      names.emplace_back(entry->d_name);
    }
  }
  closedir(directory);
  return names;
}

#endif

int run_routescan(std::ostream& out) {
  int error = 0;
  std::optional<std::vector<std::string>> files = list_regular_files(error);
  if (!files) {
    write_line(out, std::string("Cannot read this directory: ") + std::strerror(error));
    return 1;
  }
  route_scan scan = pick_routes(std::move(*files));
  if ((error = write_route_list(scan.routes)) != 0) {
    write_line(out, std::string("Cannot write ") + kRouteListFile + ": " + std::strerror(error));
    return 1;
  }
  if (scan.routes.empty()) {
    write_line(out, std::string("No route files (names holding \".rw\") found here - ") +
                        kRouteListFile + " is empty.");
  } else {
    write_line(out, "Listed " + count_of(scan.routes.size(), "route file", "route files") + " in " +
                        kRouteListFile + " - trackdice can now be run.");
  }
  if (scan.other_case > 0) {
    write_line(out, "Skipped " + count_of(scan.other_case, "file", "files") +
                        " named with \".rw\" in another case, such as \".RW\": trackdice offers "
                        "only names with a lower-case \".rw\" - rename them to offer them.");
  }
  return 0;
}

int routescan_main() {
  set_binary_console();
  return run_routescan(std::cout);
}
