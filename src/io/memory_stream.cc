#include "io/memory_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

read_result memory_source::read(char* data, std::size_t size) {
  if (position_ >= fail_after_) return {0, fail_error_};
  std::size_t count = std::min({size, max_chunk_, data_.size() - position_, fail_after_ - position_});
  if (count > 0) std::memcpy(data, data_.data() + position_, count);
  position_ += count;
  return {count, 0};
}

int memory_sink::write(const char* data, std::size_t size) {
  ++writes_;
  std::size_t room = capacity_ - text_.size();
  text_.append(data, std::min(size, room));
  return size <= room ? 0 : ENOSPC;
}
