#pragma once
// The start of a benchmark program that needs a QApplication: offscreen unless a platform is
// set, then the benchmarks named on the command line.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>

namespace tessera::bench {

inline int RunQtBenchmarks(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace tessera::bench
