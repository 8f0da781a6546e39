// Files on disk as byte sources and sinks, opened in binary so that line ends are ours to
// write on every host.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "io/byte_stream.h"

class file_source final : public byte_source {
 public:
  explicit file_source(std::FILE* file) : file_(file) {}
  ~file_source() override;
  file_source(const file_source&) = delete;
  file_source& operator=(const file_source&) = delete;

  read_result read(char* data, std::size_t size) override;

 private:
  std::FILE* file_;
};

class file_sink final : public byte_sink {
 public:
  explicit file_sink(std::FILE* file) : file_(file) {}
  ~file_sink() override;
  file_sink(const file_sink&) = delete;
  file_sink& operator=(const file_sink&) = delete;

  int write(const char* data, std::size_t size) override;
#ifndef _WIN32
  int write_pieces(std::span<const std::string_view> pieces) override;
#endif
  // Flushes and closes; returns 0, or the errno value of the failure. A close can be the
  // first to hear of a full disk, so callers must look at it.
  int close();

 private:
  std::FILE* file_;
};

// Opens name for reading. A directory is refused here, as it is on Windows, so that both
// hosts fail the same way before any question is asked. On failure returns null and sets
// error to an errno value.
std::unique_ptr<file_source> open_source(const std::string& name, int& error);

// Creates or empties name for writing.
std::unique_ptr<file_sink> open_sink(const std::string& name, int& error);

// Puts from in the place of to, replacing it; returns 0 or an errno value.
int replace_file(const std::string& from, const std::string& to);

// True when both names reach the same existing file (through links, "./" and the like).
bool same_file(const std::string& a, const std::string& b);
