// The fuzz targets' reference reading of the text convention, as plain as it can be: the
// whole text in memory, cut at a Ctrl-Z, split at each LF, one CR before an LF dropped.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> plain_lines(std::string text) {
  text = text.substr(0, text.find('\x1A'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    bool ended = end != std::string::npos;
    std::string line = text.substr(start, ended ? end - start : std::string::npos);
    if (ended && !line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (!ended) break;
    start = end + 1;
  }
  return lines;
}
