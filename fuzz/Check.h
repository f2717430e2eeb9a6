#pragma once
// What a fuzz target checks: a condition that must hold, or the input is reported with the line
// of the check and the run stops (abort, which libFuzzer and the replay take as a failure).

#include <cstdio>
#include <cstdlib>

#define KX_CHECK(condition)                                                        \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (0)
