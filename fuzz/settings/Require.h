#pragma once

#include <cstdlib>

// A property that does not hold is a finding: libFuzzer keeps the input that broke it.
inline void require(bool holds)
{
    if (!holds)
        std::abort();
}
