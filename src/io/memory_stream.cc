#include "io/memory_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

read_result memory_source::read(char* data, std::size_t size) {
  if (position_ >= fail_after_) return {0, fail_error_};
  std::size_t count =
      std::min({size, max_chunk_, data_.size() - position_, fail_after_ - position_});
  if (count > 0) std::memcpy(data, data_.data() + position_, count);
  position_ += count;
  return {count, 0};
}

int memory_sink::write(const char* data, std::size_t size) {
  ++writes_;
  return append({data, size});
}

int memory_sink::write_pieces(std::span<const std::string_view> pieces) {
  ++writes_;
  for (std::string_view piece : pieces) {
    if (int error = append(piece); error != 0) return error;
  }
  return 0;
}

int memory_sink::append(std::string_view bytes) {
  std::size_t room = capacity_ - text_.size();
  text_.append(bytes.substr(0, room));
  return bytes.size() <= room ? 0 : ENOSPC;
}
