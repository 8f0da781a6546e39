// The text convention every file and the console share, whatever the host: a line ends
// with LF or CR LF (a CR alone stays in the line), a Ctrl-Z byte ends the data, and every
// line this tool writes ends with CR LF.
#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "io/byte_stream.h"

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kEndOfText = '\x1A';  // Ctrl-Z: old editors end files with it

// Reads lines from a byte source, one block at a time.
struct line_reader {
  explicit line_reader(byte_source& from) : source(from) {}

  byte_source& source;
  std::array<char, 4096> block{};
  std::size_t next = 0;
  std::size_t filled = 0;
  bool ended = false;
  int error = 0;  // the errno value of a read that failed; the data then counts as ended
};

// Stores the next line, without its line end, in line. Returns false when no line is left.
bool read_line(line_reader& reader, std::string& line);

// Console output: a message line is flushed at once so that it is seen before the tool
// waits or ends; a prompt has no line end and is flushed when the answer is read.
void write_line(std::ostream& out, std::string_view text);
void write_blank_line(std::ostream& out);
void write_prompt(std::ostream& out, std::string_view text);

// Puts the console in binary mode where the C runtime would otherwise turn LF into CR LF
// (Windows), so that line ends are the tool's own on every host.
void set_binary_console();
