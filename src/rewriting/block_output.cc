#include "rewriting/block_output.h"

#include <algorithm>
#include <cstring>

namespace {

// More pieces than this are written before more are gathered.
constexpr std::size_t kMaxPieces = 64;

// A piece at least this long is worth a place in the gathered write rather than a copy.
std::size_t long_piece(const block_output& out) {
  return std::min<std::size_t>(4096, std::max<std::size_t>(out.capacity / 2, 1));
}

bool make_room_for_piece(block_output& out) {
  return out.pieces.size() < kMaxPieces || flush(out);
}

}  // namespace

block_output::block_output(byte_sink& to, std::size_t staging_size)
    : sink(to),
      capacity(staging_size),
      staging(std::make_unique_for_overwrite<char[]>(staging_size)) {
  pieces.reserve(kMaxPieces);
}

bool put(block_output& out, std::string_view bytes) {
  if (out.error != 0) return false;
  if (bytes.empty()) return true;
  if (bytes.size() >= long_piece(out)) {
    if (!make_room_for_piece(out)) return false;
    out.pieces.push_back(bytes);
    out.last_staged = false;
    return true;
  }
  while (!bytes.empty()) {
    if (out.used == out.capacity && !flush(out)) return false;
    // Bytes staged right after the last staged piece extend it.
    bool extends = out.last_staged && !out.pieces.empty();
    if (!extends && !make_room_for_piece(out)) return false;
    char* at = out.staging.get() + out.used;
    std::size_t part = std::min(bytes.size(), out.capacity - out.used);
    std::memcpy(at, bytes.data(), part);
    if (extends) {
      out.pieces.back() = {out.pieces.back().data(), out.pieces.back().size() + part};
    } else {
      out.pieces.emplace_back(at, part);
    }
    out.last_staged = true;
    out.used += part;
    bytes.remove_prefix(part);
  }
  return true;
}

bool flush(block_output& out) {
  if (out.error == 0 && !out.pieces.empty()) out.error = out.sink.write_pieces(out.pieces);
  out.pieces.clear();
  out.used = 0;
  return out.error == 0;
}
