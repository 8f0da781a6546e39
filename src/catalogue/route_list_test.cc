#include "catalogue/route_list.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "expected_dialogue.h"
#include "io/memory_stream.h"

namespace {

TEST(ReadRouteList, OffersTheLinesThatHoldDotRw) {
  struct row {
    const char* name;
    std::string list;
    std::vector<std::string> names;
  };
  const std::vector<row> rows = {
      {"empty list", "", {}},
      {"file order, others ignored", "b.rw\r\nreadme.txt\r\na.rw\r\n", {"b.rw", "a.rw"}},
      {"case-sensitive", "ROUTE.RW\nroute.Rw\nold.rw.bak\n", {"old.rw.bak"}},
      {"anywhere in the line", "x.rwz\n.rw\nmy.rw route\n", {"x.rwz", ".rw", "my.rw route"}},
      {"last line without a line end", "a.rw\nc.rw", {"a.rw", "c.rw"}},
      {"duplicates offered twice", "a.rw\na.rw\n", {"a.rw", "a.rw"}},
      {"blanks kept", "  a.rw \t\r\n", {"  a.rw \t"}},
      {"lone cr stays in the name", "a.rw\r\rb.rw\n", {"a.rw\r\rb.rw"}},
      {"ctrl-z ends the list",
       "a.rw\n\x1A"
       "b.rw\n",
       {"a.rw"}},
      {"headings and blank lines", "Routes\n\n= list =\nmain.rw\n", {"main.rw"}},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    memory_source list(r.list);
    std::ostringstream out;
    route_list routes = read_route_list(list, out);
    EXPECT_EQ(routes.names, r.names);
    EXPECT_EQ(routes.left_out, 0u);
    EXPECT_EQ(out.str(), menu_text(r.names));
  }
}

TEST(ReadRouteList, NumbersWithoutPaddingPastNine) {
  std::string list;
  for (int i = 1; i <= 12; ++i) list += "r" + std::to_string(i) + ".rw\n";
  memory_source source(list);
  std::ostringstream out;
  read_route_list(source, out);
  EXPECT_NE(out.str().find("\r\n9 r9.rw\r\n10 r10.rw\r\n"), std::string::npos);
}

TEST(ReadRouteList, KeepsTheFirstFiftyAndSaysHowManyWereLeftOut) {
  struct row {
    const char* name;
    int candidates;
    std::size_t left_out;
  };
  const std::vector<row> rows = {
      {"exactly fifty", 50, 0}, {"fifty-one", 51, 1}, {"many", 10000, 9950}};
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    std::string list;
    for (int i = 1; i <= r.candidates; ++i) list += "route" + std::to_string(i) + ".rw\r\nnote\r\n";
    memory_source source(list);
    std::ostringstream out;
    route_list routes = read_route_list(source, out);
    ASSERT_EQ(routes.names.size(), kRouteListCapacity);
    EXPECT_EQ(routes.names.back(), "route50.rw");
    EXPECT_EQ(routes.left_out, r.left_out);
    std::string tail = "50 route50.rw\r\n";
    if (r.left_out > 0) {
      tail += "Only the first 50 route files can be chosen; " + std::to_string(r.left_out) +
              " more were left out.\r\n";
    }
    tail += "\r\n";
    ASSERT_GE(out.str().size(), tail.size());
    EXPECT_EQ(out.str().substr(out.str().size() - tail.size()), tail);
  }
}

TEST(ChooseRoute, ReturnsTheNameInTheChosenSlot) {
  route_list routes{{"b.rw", "a.rw"}, 0};
  std::istringstream in("3\n2\n");
  std::ostringstream out;
  EXPECT_EQ(choose_route(routes, in, out), "a.rw");
  EXPECT_EQ(out.str(), kRoutePrompt + retry_line(1, 2));
}

TEST(ChooseRoute, EndOfInputChoosesNothing) {
  route_list routes{{"a.rw"}, 0};
  std::istringstream in("");
  std::ostringstream out;
  EXPECT_EQ(choose_route(routes, in, out), std::nullopt);
}

}  // namespace
