// The hot loop of the rewriter: skipping over lines that are copied as they are.
#pragma once

#include <array>
#include <string_view>
#include <vector>

// The keys whose lines are replaced, in the order they are tested. Their first letters
// differ, which lets a scan pick the candidate from one byte.
inline constexpr std::array<std::string_view, 3> kKeys = {"Velocity", "Acceleration", "Interval"};

// Whether c is the first letter of a key.
bool starts_a_key(char c);

// Finds, in [from, end), the first LF the rewriter must look at: one without a CR before
// it (a CR goes in), one followed by the first letter of a key, or one in the last byte
// (what follows is not known yet). Every other LF ends a CR LF line and begins a line that
// is copied unchanged. cr_before tells whether the byte before from is a CR. Null when
// there is no such LF.
const char* find_stop(const char* from, const char* end, bool cr_before);

// The same, a byte at a time: the reference for the fast versions.
const char* find_stop_bytewise(const char* from, const char* end, bool cr_before);

// Every version of find_stop this processor can run, the fastest last, so that tests
// check each one.
using find_stop_function = const char* (*)(const char* from, const char* end, bool cr_before);
std::vector<find_stop_function> find_stop_variants();
