#include "failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {

// Allocations on the arming thread count down; the one that reaches zero throws.
thread_local int t_allocationsLeft = 0;

void* Allocate(std::size_t size) {
    if (t_allocationsLeft > 0 && --t_allocationsLeft == 0) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace quorvane::test {

void FailAllocation(int n) {
    t_allocationsLeft = n;
}

bool AllocationFailureReached() {
    const bool reached = t_allocationsLeft == 0;
    t_allocationsLeft = 0;
    return reached;
}

}  // namespace quorvane::test
