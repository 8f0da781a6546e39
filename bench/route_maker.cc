#include "route_maker.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 12> kRailwayLines = {
    "; ---- approach to the viaduct, gradient eases ----",
    "1025,Rail(1;-3.8;0;1),Rail(2;3.8;0;1)",
    "1050,Curve(-600;0.105),Pitch(4)",
    "1075,FreeObj(0;12;-6.5;0;0),FreeObj(0;13;6.5;0;0)",
    "1100,Signal(3;;-2.2;0.3),Section(0;2;4)",
    "1125,Limit(80;-1;0)",
    "1150,Sta(Mill Lane;09.15;09.16;;1;1;;;30;6;;),Stop(1;;;6)",
    "1175,Form(1;2;0;1),Wall(0;-1;1),Dike(0;-1;1)",
    "1200,Beacon(6;0;1;0),Transponder(0;1;-1)",
    "1225,Fog(100;800;180;190;200),Back(2)",
    ",,,,RailEnd(2)",
    "1250,Height(1.2),Ground(3),Crack(1;2;4)",
};

constexpr std::string_view kTrainBlock[] = {
    "[Train]",          "Folder=sample-emu", "Velocity=60",
    "Acceleration=0.8", "Interval=120, 300", "[Railway]",
};

}  // namespace

std::string make_route(const route_shape& shape) {
  std::string route;
  route.reserve(shape.bytes + 256);
  if (shape.single_line) {
    route.assign("Rail(0)=");
    route.resize(shape.bytes, 'x');
    return route;
  }
  const std::string_view line_end = shape.crlf ? "\r\n" : "\n";
  std::size_t line = 0;
  while (route.size() < shape.bytes) {
    if (line % shape.lines_per_train == 0) {
      for (std::string_view text : kTrainBlock) route.append(text).append(line_end);
    }
    route.append(kRailwayLines[line % kRailwayLines.size()]).append(line_end);
    ++line;
  }
  return route;
}
