#pragma once
// EXPECT_FAILS(statement, kind): the statement throws NumericFailure of that kind.

#include <gtest/gtest.h>

#include "numeric/failure.h"

#define EXPECT_FAILS(statement, expectedKind)                                   \
    do {                                                                         \
        try {                                                                    \
            (void)(statement);                                                   \
            ADD_FAILURE() << #statement " did not fail";                         \
        } catch (const numeric::NumericFailure& failure) {                       \
            EXPECT_EQ(failure.kind(), expectedKind) << #statement;               \
        }                                                                        \
    } while (false)
