// Resampling runs after every zoom, scroll and release: once the sample arrays exist it
// must not allocate. Counted by replacing the global allocation functions, which is why
// this test is a program of its own.

#include "graph/GraphCurves.h"
#include "graph/GraphView.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {
long g_allocations = 0;
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

TEST(GraphSampling, ResamplingAllocatesNothing) {
    CGraphCurves curves;
    const wchar_t* equations[] = {L"1*X^2-3*X+2", L"2.5*ln(X)-1", L"exp(0.5*X)-X", L"1/X",
                                  L"X)",          L"sqrt(X)",     L"-X^3+X",       L"X-X-X"};
    for (int slot = 0; slot < CGraphCurves::kSlots; ++slot)
        curves.SetEquation(equations[slot], slot);
    CGraphView view;
    view.SetSize(480, 588);
    curves.CalcCurves(view); // makes the sample arrays and the engine

    // The counter sees the allocations of the library: a new equation text is one.
    const long probe = g_allocations;
    curves.SetEquation(L"0.25*X^2+0.5*X-0.75+0*X*X*X*X", 7);
    ASSERT_GT(g_allocations, probe);

    const long before = g_allocations;
    for (int zoom = 0; zoom < 3; ++zoom) {
        view.ZoomIn();
        curves.CalcCurves(view);
    }
    EXPECT_EQ(g_allocations - before, 0);
    EXPECT_NE(curves.Samples(7), nullptr);
}
