#include "io/text_lines.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Refills the block; returns false at the end of the data.
bool refill(line_reader& reader) {
  if (reader.ended) return false;
  read_result got = reader.source.read(reader.block.data(), reader.block.size());
  if (got.count == 0) {
    reader.ended = true;
    reader.error = got.error;
    return false;
  }
  reader.next = 0;
  reader.filled = got.count;
  const void* stop = std::memchr(reader.block.data(), kEndOfText, got.count);
  if (stop != nullptr) {
    reader.filled = static_cast<std::size_t>(static_cast<const char*>(stop) - reader.block.data());
    reader.ended = true;  // nothing after Ctrl-Z is read
  }
  return true;
}

}  // namespace

bool read_line(line_reader& reader, std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (reader.next == reader.filled && !refill(reader)) return any;
    const char* begin = reader.block.data() + reader.next;
    std::size_t left = reader.filled - reader.next;
    if (left == 0) continue;
    any = true;
    const void* found = std::memchr(begin, '\n', left);
    if (found == nullptr) {
      line.append(begin, left);
      reader.next = reader.filled;
      continue;
    }
    std::size_t length = static_cast<std::size_t>(static_cast<const char*>(found) - begin);
    line.append(begin, length);
    reader.next += length + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }
}

void write_line(std::ostream& out, std::string_view text) {
  out << text << kLineEnd;
  out.flush();
}

void write_blank_line(std::ostream& out) {
  write_line(out, "");
}

void write_prompt(std::ostream& out, std::string_view text) {
  out << text;
}

void set_binary_console() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}
