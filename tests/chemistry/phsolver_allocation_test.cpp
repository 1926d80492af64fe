// SPDX-License-Identifier: GPL-3.0-or-later
// The solver runs after every burette press: it must not allocate. This binary counts every
// allocation made through the global operator new.
#include "chemistry/phsolver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace drevant {
namespace {

TEST(SolverAllocation, ASolveAllocatesNothing) {
    SampleTable params;
    params.fill(Number::integer(0));
    params[Acid1Conc] = Number::real(0.005);
    params[Acid1K] = Number::real(0.00001);
    params[DiproticConc] = Number::single(0.0004f); // kinds as an export leaves them
    params[DiproticK1] = Number::single(0.00002f);
    params[DiproticK2] = Number::real(0.00000008);
    SolvePh(params, 1e-14, 0.2, 0.0, 0.25); // the first call builds the grid (a static array)
    const long before = g_allocations.load();
    double sum = 0;
    for (int k = 0; k <= 200; ++k)
        sum += SolvePh(params, 1e-14, 0.2, k / 10000.0, 0.25).CurrentPh;
    EXPECT_EQ(g_allocations.load(), before);
    EXPECT_GT(sum, 0);
}

} // namespace
} // namespace drevant
