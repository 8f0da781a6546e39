#include "dialogue/run_dialogue.h"

int main() {
  return trackdice_main();
}
