// Deep nesting within a thread's stack: CheckStackSpace stops a recursion
// with an error before the stack runs out, on small stacks too, and lists
// nested without bound are printed, hashed and compared up to that error
// and freed without recursion (a copy shares its nested lists).
#include "values/stack_space.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>
#include <limits>
#include <string>

#include "values/exceptions.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

// Runs `work` on a thread of its own with a stack of `bytes`; answers the
// message of the EIEException it raised, or "" when it raised none.
std::string OnStackOf(size_t bytes, const std::function<void()>& work) {
  struct TJob {
    const std::function<void()>* Work;
    std::string Error;
  } job{&work, ""};
  auto run = [](void* data) -> void* {
    auto* j = static_cast<TJob*>(data);
    try {
      (*j->Work)();
    } catch (const EIEException& error) {
      j->Error = error.what();
    }
    return nullptr;
  };
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, bytes);
  pthread_t thread;
  EXPECT_EQ(pthread_create(&thread, &attributes, run, &job), 0);
  pthread_attr_destroy(&attributes);
  pthread_join(thread, nullptr);
  return job.Error;
}

// Ends only by the error (the bound is never reached).
int Recurse(int depth) {
  if (depth == std::numeric_limits<int>::max()) return 0;
  CheckStackSpace("Test calls");
  volatile char frame[256] = {};
  return Recurse(depth + 1) + frame[0];
}

TEST(StackSpace, StopsARecursionBeforeTheStackRunsOut) {
  // 1 MB keeps a quarter in reserve, 16 MB the full megabyte.
  for (size_t stack : {size_t(1) << 20, size_t(16) << 20})
    EXPECT_EQ(OnStackOf(stack, [] { (void)Recurse(0); }),
              "Test calls nested too deeply: the stack is nearly used up")
        << stack;
}

TEST(StackSpace, ShallowWorkOnASmallStackPasses) {
  EXPECT_EQ(OnStackOf(256 << 10, [] { CheckStackSpace("Test calls"); }), "");
}

// A list holding a list holding a list ... `depth` levels down.
IValueVector Nested(int depth) {
  IValueVector list = MakeRef<TValueVector>();
  list->Add(MakeInteger(0));
  for (int i = 0; i < depth; ++i) {
    IValueVector outer = MakeRef<TValueVector>();
    outer->Add(MakeList(list));
    list = outer;
  }
  return list;
}

TEST(StackSpace, DeeplyNestedListsAreFreedWithoutRecursion) {
  EXPECT_EQ(OnStackOf(1 << 20, [] { (void)Nested(1000000); }), "");
}

TEST(StackSpace, DeeplyNestedListsAreTooDeepToPrintHashOrCompare) {
  const std::string error = "Lists nested too deeply: the stack is nearly used up";
  IValueVector a = Nested(200000), b = Nested(200000);
  EXPECT_EQ(OnStackOf(1 << 20, [&] { (void)a->AsText(); }), error);
  EXPECT_EQ(OnStackOf(1 << 20, [&] { (void)a->HashCode(); }), error);
  EXPECT_EQ(OnStackOf(1 << 20, [&] { (void)a->Equals(*b); }), error);
  // Shallow lists are untouched by the guard.
  EXPECT_EQ(OnStackOf(1 << 20, [] { (void)Nested(100)->AsText(); }), "");
}

}  // namespace
}  // namespace vettora
