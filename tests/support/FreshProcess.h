#pragma once
// Runs a check in a freshly started copy of the test program, so that it sees the library as
// loaded: no host interface installed, counters and process-wide values at zero.
//
//   TEST(Api, FreshLibrary) {
//     KX_EXPECT_IN_FRESH_PROCESS(FreshChecks());   // FreshChecks() returns true when all held
//   }
//
// Put it first in the test: the fresh copy runs the test body up to this point again.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#define KX_EXPECT_IN_FRESH_PROCESS(check)                                      \
  do {                                                                         \
    GTEST_FLAG_SET(death_test_style, "threadsafe");                            \
    EXPECT_EXIT(std::exit((check) ? 0 : 1), ::testing::ExitedWithCode(0), ""); \
  } while (0)

// Inside a fresh-process check: reports a failed condition on standard error (shown by the test
// when the exit code is wrong) and makes the check fail.
#define KX_FRESH_CHECK(ok, condition)                                              \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      ok = false;                                                                  \
    }                                                                              \
  } while (0)
