#include "rewriting/route_rewriter.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "io/text_lines.h"

namespace {

struct key_rule {
  std::string_view key;
  std::string (*value_text)(const traffic_parameters& values);
};

std::string acceleration_text(const traffic_parameters& values) {
  // Tenths times the single-precision 0.1, rounded to one digit: 0.5 to 1.1 over the
  // drawn range, exactly as routes have always received it.
  float acceleration = static_cast<float>(values.acceleration_tenths) * 0.1f;
  char text[64];
  std::snprintf(text, sizeof text, "%1.1f", static_cast<double>(acceleration));
  return text;
}

// Tested in this order; the first key a line begins with decides. Their first letters
// differ, which lets the streaming scan pick the candidate from one byte.
const std::array<key_rule, 3> kKeyRules = {{
    {"Velocity", [](const traffic_parameters& v) { return std::to_string(v.speed); }},
    {"Acceleration", acceleration_text},
    {"Interval", [](const traffic_parameters& v) { return std::to_string(v.interval); }},
}};

constexpr std::size_t kNoKey = kKeyRules.size();

std::size_t key_starting_with(char c) {
  for (std::size_t k = 0; k < kKeyRules.size(); ++k) {
    if (kKeyRules[k].key[0] == c) return k;
  }
  return kNoKey;
}

std::string replacement_line(std::size_t k, const traffic_parameters& values) {
  return std::string(kKeyRules[k].key) + "=" + kKeyRules[k].value_text(values);
}

// Collects output and writes it a block at a time; a run at least a block long goes to the
// sink straight from where it lies.
struct output_buffer {
  byte_sink& sink;
  std::vector<char> bytes;
  std::size_t used = 0;
  int error = 0;
};

bool drain(output_buffer& out) {
  if (out.used > 0 && out.error == 0) out.error = out.sink.write(out.bytes.data(), out.used);
  out.used = 0;
  return out.error == 0;
}

bool put(output_buffer& out, const char* data, std::size_t size) {
  if (size <= out.bytes.size() - out.used) {
    if (size > 0) std::memcpy(out.bytes.data() + out.used, data, size);
    out.used += size;
    return true;
  }
  if (!drain(out)) return false;
  if (size >= out.bytes.size()) {
    out.error = out.sink.write(data, size);
    return out.error == 0;
  }
  std::memcpy(out.bytes.data(), data, size);
  out.used = size;
  return true;
}

bool put(output_buffer& out, std::string_view text) { return put(out, text.data(), text.size()); }

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
                   const std::array<std::string, 3>& replacements, output_buffer& out) {
  const char* p = begin;
  const char* run = begin;  // [run, p) is copied unchanged
  while (p < end) {
    switch (scan.part) {
      case line_part::start:
        scan.key = key_starting_with(*p);
        if (scan.key == kNoKey) {
          scan.part = line_part::body;
          break;
        }
        scan.part = line_part::key;
        scan.matched = 0;
        scan.held = 0;
        [[fallthrough]];
      case line_part::key: {
        std::string_view key = kKeyRules[scan.key].key;
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
        const char* newline = find_newline(p, end);
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
bool finish_last_line(const scan_state& scan, output_buffer& out) {
  switch (scan.part) {
    case line_part::start:
    case line_part::replaced:
      return true;
    case line_part::key:
      return put(out, kKeyRules[scan.key].key.data(), scan.held) && put(out, kLineEnd);
    case line_part::body:
      return put(out, kLineEnd);
  }
  return true;
}

}  // namespace

std::string rewrite_line(std::string_view line, const traffic_parameters& values) {
  for (std::size_t k = 0; k < kKeyRules.size(); ++k) {
    if (line.starts_with(kKeyRules[k].key)) return replacement_line(k, values);
  }
  return std::string(line);
}

rewrite_result rewrite_stream(byte_source& route, byte_sink& output,
                              const traffic_parameters& values, std::size_t block_size) {
  std::array<std::string, 3> replacements;
  for (std::size_t k = 0; k < kKeyRules.size(); ++k) {
    replacements[k] = replacement_line(k, values) + std::string(kLineEnd);
  }
  std::vector<char> block(block_size);
  output_buffer out{output, std::vector<char>(block_size)};
  scan_state scan;
  for (;;) {
    read_result got = route.read(block.data(), block.size());
    if (got.count == 0 && got.error != 0) {
      drain(out);
      return {rewrite_outcome::read_failed, got.error};
    }
    if (got.count == 0) break;
    const char* begin = block.data();
    const void* end_of_text = std::memchr(begin, kEndOfText, got.count);
    const char* end = end_of_text != nullptr ? static_cast<const char*>(end_of_text)
                                             : begin + got.count;
    if (end > begin && !rewrite_block(scan, begin, end, replacements, out)) {
      return {rewrite_outcome::write_failed, out.error};
    }
    if (end_of_text != nullptr) break;  // nothing after a Ctrl-Z is read
  }
  if (!finish_last_line(scan, out) || !drain(out)) {
    return {rewrite_outcome::write_failed, out.error};
  }
  return {};
}
