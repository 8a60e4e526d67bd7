#include "monitor/FreeRes.h"
#include "system/KernelUserModule.h"

#include <benchmark/benchmark.h>

// What one reading costs on the real kernel source: a tick makes three of them.
static void BM_FreeResourcePercentKernel(benchmark::State& state) {
  sys::KernelUserModule kernel;
  sys::SetModules16(&kernel);
  const auto kind = static_cast<std::uint16_t>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(FreeResourcePercent(kind));
  sys::SetModules16(nullptr);
}
BENCHMARK(BM_FreeResourcePercentKernel)->Arg(0)->Arg(1)->Arg(2);

BENCHMARK_MAIN();
