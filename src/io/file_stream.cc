#include "io/file_stream.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/uio.h>
#include <climits>
#endif

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <vector>

namespace {

// A name with a NUL byte in it would reach the C library cut short, naming another file.
bool has_nul(const std::string& name) {
  return name.find('\0') != std::string::npos;
}

int last_error_or(int fallback) {
  return errno != 0 ? errno : fallback;
}

// Windows refuses to open a directory as a file with "Permission denied", Linux opens it
// and fails later; both are told "Is a directory" here instead, before anything is opened.
bool is_directory(const std::string& name) {
  struct stat status {};
  return stat(name.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Opens a file in binary for mode, refusing names that would name another file and
// directories; null with error set on failure.
std::FILE* open_file(const std::string& name, const char* mode, int& error) {
  if (has_nul(name)) {
    error = EINVAL;
    return nullptr;
  }
  if (is_directory(name)) {
    error = EISDIR;
    return nullptr;
  }
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), mode);
  if (file == nullptr) {
    error = last_error_or(EACCES);
    return nullptr;
  }
  struct stat status {};  // it may have become one since
  if (fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
    std::fclose(file);
    error = EISDIR;
    return nullptr;
  }
  // Reads and writes come in large blocks; a stdio buffer would only add a copy.
  std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

}  // namespace

file_source::~file_source() {
  std::fclose(file_);
}

read_result file_source::read(char* data, std::size_t size) {
  errno = 0;
  std::size_t count = std::fread(data, 1, size, file_);
  if (count == 0 && std::ferror(file_)) return {0, last_error_or(EIO)};
  return {count, 0};
}

file_sink::~file_sink() {
  if (file_ != nullptr) std::fclose(file_);
}

int file_sink::write(const char* data, std::size_t size) {
  errno = 0;
  if (std::fwrite(data, 1, size, file_) == size) return 0;
  return last_error_or(EIO);
}

#ifndef _WIN32
// One writev for the pieces, continued where the system stopped short.
int file_sink::write_pieces(std::span<const std::string_view> pieces) {
  std::vector<iovec> vectors;
  vectors.reserve(pieces.size());
  for (std::string_view piece : pieces) {
    if (!piece.empty()) vectors.push_back({const_cast<char*>(piece.data()), piece.size()});
  }
  std::size_t next = 0;
  while (next < vectors.size()) {
    int count = static_cast<int>(std::min<std::size_t>(vectors.size() - next, IOV_MAX));
    ssize_t written = writev(fileno(file_), vectors.data() + next, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    auto left = static_cast<std::size_t>(written);
    while (next < vectors.size() && left >= vectors[next].iov_len) left -= vectors[next++].iov_len;
    if (left > 0) {
      vectors[next].iov_base = static_cast<char*>(vectors[next].iov_base) + left;
      vectors[next].iov_len -= left;
    }
  }
  return 0;
}
#endif

int file_sink::close() {
  errno = 0;
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fflush(file) != 0) {
    int error = last_error_or(EIO);
    std::fclose(file);
    return error;
  }
  errno = 0;
  if (std::fclose(file) != 0) return last_error_or(EIO);
  return 0;
}

std::unique_ptr<file_source> open_source(const std::string& name, int& error) {
  std::FILE* file = open_file(name, "rb", error);
  return file == nullptr ? nullptr : std::make_unique<file_source>(file);
}

std::unique_ptr<file_sink> open_sink(const std::string& name, int& error) {
  std::FILE* file = open_file(name, "wb", error);
  return file == nullptr ? nullptr : std::make_unique<file_sink>(file);
}

int replace_file(const std::string& from, const std::string& to) {
#ifdef _WIN32
  // rename will not replace an existing file on Windows.
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return 0;
  return EACCES;
#else
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
#endif
}

bool same_file(const std::string& a, const std::string& b) {
  if (has_nul(a) || has_nul(b)) return false;
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}
