// The rewriting function alone, in memory, in MiB/s.
#include <benchmark/benchmark.h>

#include "io/memory_stream.h"
#include "rewriting/route_rewriter.h"
#include "route_maker.h"

namespace {

// A sink that only counts: the benchmark measures the rewrite, not a copy into memory.
class counting_sink final : public byte_sink {
 public:
  int write(const char*, std::size_t size) override {
    bytes += size;
    return 0;
  }
  std::size_t bytes = 0;
};

void rewrite(benchmark::State& state, route_shape shape) {
  shape.bytes = 32 << 20;
  const std::string route = make_route(shape);
  const traffic_parameters values{68, 11, 272};
  for (auto _ : state) {
    memory_source source(route);
    counting_sink sink;
    rewrite_result result = rewrite_stream(source, sink, values);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(sink.bytes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * route.size()));
}

route_shape shape(bool crlf, std::size_t lines_per_train, bool single_line = false) {
  route_shape made;
  made.crlf = crlf;
  made.lines_per_train = lines_per_train;
  made.single_line = single_line;
  return made;
}

BENCHMARK_CAPTURE(rewrite, crlf_few_keys, shape(true, 4096))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rewrite, crlf_many_keys, shape(true, 1))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rewrite, lf_few_keys, shape(false, 4096))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rewrite, lf_many_keys, shape(false, 1))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rewrite, one_long_line, shape(true, 4096, true))->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
