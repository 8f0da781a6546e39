#include "rewriting/route_rewriter.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "io/text_lines.h"
#include "rewriting/block_output.h"
#include "rewriting/line_scan.h"

namespace {

// How each key's value is written, in the order of kKeys.
using value_text = std::string (*)(const traffic_parameters& values);

std::string acceleration_text(const traffic_parameters& values) {
  // Tenths times the single-precision 0.1, rounded to one digit: 0.5 to 1.1 over the
  // drawn range.
  float acceleration = static_cast<float>(values.acceleration_tenths) * 0.1f;
  char text[64];
  std::snprintf(text, sizeof text, "%1.1f", static_cast<double>(acceleration));
  return text;
}

const std::array<value_text, kKeys.size()> kValueTexts = {
    [](const traffic_parameters& v) { return std::to_string(v.speed); },
    acceleration_text,
    [](const traffic_parameters& v) { return std::to_string(v.interval); },
};

constexpr std::size_t kNoKey = kKeys.size();

std::size_t key_of_first_letter(char c) {
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    if (kKeys[k][0] == c) return k;
  }
  return kNoKey;
}

std::string replacement_line(std::size_t k, const traffic_parameters& values) {
  return std::string(kKeys[k]) + "=" + kValueTexts[k](values);
}

bool put(block_output& out, const char* data, std::size_t size) {
  return put(out, {data, size});
}

// Where the scan stands in the current line; it carries over from one block to the next.
enum class line_part {
  start,    // nothing of the line seen yet
  key,      // the line so far is the first `matched` letters of a key
  body,     // an ordinary line, copied as it is
  replaced  // a key line whose replacement is written; the rest is dropped
};

struct scan_state {
  line_part part = line_part::start;
  std::size_t key = kNoKey;
  std::size_t matched = 0;
  std::size_t held = 0;   // key letters from earlier blocks, not yet written
  bool after_cr = false;  // the last byte of the previous block was a CR
};

const char* find_newline(const char* from, const char* end) {
  return static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
}

bool rewrite_block(scan_state& scan, const char* begin, const char* end,
                   const std::array<std::string, 3>& replacements, block_output& out) {
  const char* p = begin;
  const char* run = begin;  // [run, p) is copied unchanged
  while (p < end) {
    switch (scan.part) {
      case line_part::start:
        scan.key = key_of_first_letter(*p);
        if (scan.key == kNoKey) {
          scan.part = line_part::body;
          break;
        }
        scan.part = line_part::key;
        scan.matched = 0;
        scan.held = 0;
        [[fallthrough]];
      case line_part::key: {
        std::string_view key = kKeys[scan.key];
        while (p < end && scan.matched < key.size() && *p == key[scan.matched]) {
          ++p;
          ++scan.matched;
        }
        const char* line_begin = p - (scan.matched - scan.held);
        if (scan.matched == key.size()) {
          if (!put(out, run, static_cast<std::size_t>(line_begin - run)) ||
              !put(out, replacements[scan.key])) {
            return false;
          }
          run = p;
          scan.part = line_part::replaced;
          break;
        }
        if (p == end) {  // the block ends inside what may still be a key
          if (!put(out, run, static_cast<std::size_t>(line_begin - run))) return false;
          run = end;
          scan.held = scan.matched;
          break;
        }
        // Not a key after all: the letters held back belong to an ordinary line. They
        // come before this block, so run still starts at begin.
        if (scan.held > 0 && !put(out, key.data(), scan.held)) return false;
        scan.part = line_part::body;
        break;
      }
      case line_part::body: {
        bool cr_before = p > begin ? p[-1] == '\r' : scan.after_cr;
        const char* newline = find_stop(p, end, cr_before);
        if (newline == nullptr) {
          p = end;
          break;
        }
        bool after_cr = newline > begin ? newline[-1] == '\r' : scan.after_cr;
        if (!after_cr) {  // a lone LF: the CR goes in before it
          if (!put(out, run, static_cast<std::size_t>(newline - run)) || !put(out, kLineEnd)) {
            return false;
          }
          run = newline + 1;
        }
        p = newline + 1;
        scan.part = line_part::start;
        break;
      }
      case line_part::replaced: {
        const char* newline = find_newline(p, end);
        p = newline == nullptr ? end : newline + 1;
        run = p;
        if (newline != nullptr) scan.part = line_part::start;
        break;
      }
    }
  }
  scan.after_cr = end[-1] == '\r';
  return put(out, run, static_cast<std::size_t>(end - run));
}

// The data has ended: a line cut short still gets its line end.
bool finish_last_line(const scan_state& scan, block_output& out) {
  switch (scan.part) {
    case line_part::start:
    case line_part::replaced:
      return true;
    case line_part::key:
      return put(out, kKeys[scan.key].data(), scan.held) && put(out, kLineEnd);
    case line_part::body:
      return put(out, kLineEnd);
  }
  return true;
}

}  // namespace

std::string rewrite_line(std::string_view line, const traffic_parameters& values) {
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    if (line.starts_with(kKeys[k])) return replacement_line(k, values);
  }
  return std::string(line);
}

rewrite_result rewrite_stream(byte_source& route, byte_sink& output,
                              const traffic_parameters& values, std::size_t block_size) {
  std::array<std::string, 3> replacements;
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    replacements[k] = replacement_line(k, values) + std::string(kLineEnd);
  }
  auto block = std::make_unique_for_overwrite<char[]>(block_size);
  // Room for a block whose every line end gains a CR, so that a block is one write.
  block_output out(output, 2 * block_size);
  scan_state scan;
  for (;;) {
    read_result got = route.read(block.get(), block_size);
    if (got.count == 0 && got.error != 0) {
      flush(out);
      return {rewrite_outcome::read_failed, got.error};
    }
    if (got.count == 0) break;
    const char* begin = block.get();
    const void* end_of_text = std::memchr(begin, kEndOfText, got.count);
    const char* end =
        end_of_text != nullptr ? static_cast<const char*>(end_of_text) : begin + got.count;
    // The output refers into the block, which the next read overwrites.
    if (end > begin && (!rewrite_block(scan, begin, end, replacements, out) || !flush(out))) {
      return {rewrite_outcome::write_failed, out.error};
    }
    if (end_of_text != nullptr) break;  // nothing after a Ctrl-Z is read
  }
  if (!finish_last_line(scan, out) || !flush(out)) {
    return {rewrite_outcome::write_failed, out.error};
  }
  return {};
}
