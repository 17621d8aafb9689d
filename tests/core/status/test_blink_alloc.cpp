#include "core/status/LampBoard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Every allocation of this test program passes through here, so that a tick
// of the blink engine can be shown to allocate nothing.
namespace {
std::atomic<long> g_allocations{0};
}

void *operator new(std::size_t size)
{
    ++g_allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size)
{
    return operator new(size);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

using namespace velmar;

TEST(BlinkEngine, ATickOverEverySlotAllocatesNothing)
{
    LampBoard board;
    // Every kind of behaviour at once: steady, slow, fast, hidden, kept.
    int tag = 0;
    for (int g = 0; g < kLampGroupCount; ++g)
        for (LampSlot &l : board.group(LampGroup(g)))
            l.Tag = tag++ % 5;
    const long before = g_allocations.load();
    for (int i = 0; i < 50; ++i)
        board.tick();
    board.Inicialitza_PEstat();
    board.tick();
    EXPECT_EQ(g_allocations.load() - before, 0);

    // The counter does see allocations: a board allocates its slots once.
    const long probe = g_allocations.load();
    LampBoard another;
    EXPECT_EQ(g_allocations.load() - probe, 1);
    EXPECT_EQ(another.slotCount(), board.slotCount());
}
