#pragma once
// Waiting for something that a timer or a worker brings about, in GoogleTest terms. Qt's QTRY_*
// macros report to QTestLib, which a GoogleTest run never sees: a QTRY_* that times out passes.
// These process events until the condition holds; the deadline only ever fails the test.
#include <gtest/gtest.h>

#include <QTest>

namespace tessera::testing {

// Generous: the deadline is reached only when the test fails anyway.
inline constexpr int kEventuallyMs = 10000;

}  // namespace tessera::testing

#define TESSERA_WAIT_FOR(condition) \
  QTest::qWaitFor([&]() -> bool { return static_cast<bool>(condition); }, ::tessera::testing::kEventuallyMs)

// Expects `condition` to hold once events have run.
#define EXPECT_EVENTUALLY(condition) EXPECT_TRUE(TESSERA_WAIT_FOR(condition)) << "never true: " #condition
#define ASSERT_EVENTUALLY(condition) ASSERT_TRUE(TESSERA_WAIT_FOR(condition)) << "never true: " #condition

// Expects `actual` to equal `expected` once events have run; a failure shows both values.
#define EXPECT_EVENTUALLY_EQ(actual, expected)                    \
  do {                                                            \
    static_cast<void>(TESSERA_WAIT_FOR((actual) == (expected))); \
    EXPECT_EQ(actual, expected);                                  \
  } while (false)
