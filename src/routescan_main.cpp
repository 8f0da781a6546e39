#include "catalogue/route_scan.h"

int main() {
  return routescan_main();
}
