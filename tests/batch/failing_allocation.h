// Global allocation functions that can be told to fail, for the tests of what code does when
// memory runs out. Linked into a test program of its own: it replaces operator new and delete
// for the whole program.
#ifndef QUORVANE_TESTS_BATCH_FAILING_ALLOCATION_H_
#define QUORVANE_TESTS_BATCH_FAILING_ALLOCATION_H_

namespace quorvane::test {

// The n-th allocation from now on this thread (1 = the next) throws std::bad_alloc; 0 disarms.
void FailAllocation(int n);
// Whether the armed failure has happened (or none was armed); disarms in either case.
bool AllocationFailureReached();

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_BATCH_FAILING_ALLOCATION_H_
