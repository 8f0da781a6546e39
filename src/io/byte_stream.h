// The seam between the tool's logic and the disk: files in the tool, memory in tests.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

struct read_result {
  std::size_t count = 0;  // 0 with no error is the end of the data
  int error = 0;          // the errno value of a failed read, else 0
};

class byte_source {
 public:
  virtual ~byte_source() = default;
  // Reads up to size bytes into data.
  virtual read_result read(char* data, std::size_t size) = 0;
};

class byte_sink {
 public:
  virtual ~byte_sink() = default;
  // Writes all size bytes; returns 0, or the errno value that stopped the write.
  virtual int write(const char* data, std::size_t size) = 0;
  // Writes the pieces in order, in one system call where the system has one for it.
  virtual int write_pieces(std::span<const std::string_view> pieces) {
    for (std::string_view piece : pieces) {
      if (int error = write(piece.data(), piece.size()); error != 0) return error;
    }
    return 0;
  }
};
