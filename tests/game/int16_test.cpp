// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/int16.h"

#include <gtest/gtest.h>

namespace {

TEST(Int16, StepsWithinItsRange)
{
    Int16 value(32766);
    ++value;
    EXPECT_EQ(value.value(), 32767);
    Int16 low(-32767);
    --low;
    EXPECT_EQ(low.value(), -32768);
}

TEST(Int16, RefusesToWrapAndKeepsItsValue)
{
    Int16 high(32767);
    EXPECT_THROW(++high, OverflowError);
    EXPECT_EQ(high.value(), 32767);

    Int16 low(-32768);
    EXPECT_THROW(--low, OverflowError);
    EXPECT_EQ(low.value(), -32768);
}

} // namespace
