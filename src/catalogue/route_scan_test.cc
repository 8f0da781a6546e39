#include "catalogue/route_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PickRoutes, OffersWhatTheMenuOffersInByteOrder) {
  struct row {
    const char* name;
    std::vector<std::string> files;
    std::vector<std::string> routes;
    std::size_t other_case;
  };
  const std::vector<row> rows = {
      {"nothing", {}, {}, 0},
      {"byte order, upper case first",
       {"b.rw", "a.rw", "Z.rw", "a b.rw"},
       {"Z.rw", "a b.rw", "a.rw", "b.rw"},
       0},
      {"anywhere in the name", {"old.rw.bak", "x.rwz", "notes.txt"}, {"old.rw.bak", "x.rwz"}, 0},
      {"other cases counted", {"ROUTE.RW", "line.Rw", "main.rw", "photo.RWx"}, {"main.rw"}, 3},
      {"random.rw left out in any case",
       {"random.rw", "RANDOM.RW", "Random.rw", "randoms.rw"},
       {"randoms.rw"},
       0},
      {"no .rw at all", {"filelist.txt", "readme", "rw", ".r w"}, {}, 0},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    route_scan scan = pick_routes(r.files);
    EXPECT_EQ(scan.routes, r.routes);
    EXPECT_EQ(scan.other_case, r.other_case);
  }
}

}  // namespace
