// Byte sources and sinks in memory, with failures on demand, for tests, fuzzing and
// benchmarks.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "io/byte_stream.h"

class memory_source final : public byte_source {
 public:
  // Hands out data at most max_chunk bytes per read; after fail_after bytes every read
  // fails with fail_error.
  explicit memory_source(std::string_view data,
                         std::size_t max_chunk = std::numeric_limits<std::size_t>::max(),
                         std::size_t fail_after = std::numeric_limits<std::size_t>::max(),
                         int fail_error = 0)
      : data_(data), max_chunk_(max_chunk), fail_after_(fail_after), fail_error_(fail_error) {}

  read_result read(char* data, std::size_t size) override;
  std::size_t consumed() const { return position_; }

 private:
  std::string_view data_;
  std::size_t max_chunk_;
  std::size_t fail_after_;
  int fail_error_;
  std::size_t position_ = 0;
};

class memory_sink final : public byte_sink {
 public:
  // Accepts capacity bytes; a write beyond them keeps what fits and fails with ENOSPC,
  // as a full disk does.
  explicit memory_sink(std::size_t capacity = std::numeric_limits<std::size_t>::max())
      : capacity_(capacity) {}

  int write(const char* data, std::size_t size) override;
  int write_pieces(std::span<const std::string_view> pieces) override;
  const std::string& text() const { return text_; }
  std::size_t writes() const { return writes_; }  // calls of write and write_pieces

 private:
  std::size_t capacity_;
  std::string text_;
  std::size_t writes_ = 0;

  int append(std::string_view bytes);
};
