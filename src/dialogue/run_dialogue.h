// The run, front to back: route menu, choice, the three questions, the rewrite.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>

// Runs the dialogue in the current directory with the generator seeded by seed. Returns
// the exit status: 0 when the run completes or ends with advice, 1 when it is cancelled
// or a file fails.
int run_dialogue(std::istream& in, std::ostream& out, std::uint32_t seed);

// The program: binary console, seed from the clock, the dialogue on stdin and stdout.
int trackdice_main();
