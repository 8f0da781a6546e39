// The train ahead: three questions, each answer selecting a range to draw a value from.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>

#include "dialogue/generator.h"

struct traffic_parameters {
  std::int32_t speed = 0;                // km/h, written after "Velocity="
  std::int32_t acceleration_tenths = 0;  // written after "Acceleration=" as tenths
  std::int32_t interval = 0;             // written after "Interval="
};

// Asks the train type, acceleration and proximity questions in that order, drawing each
// value as soon as its answer is in. Empty when the input ended.
std::optional<traffic_parameters> ask_traffic_parameters(std::istream& in, std::ostream& out,
                                                         generator& random);
