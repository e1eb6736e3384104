#pragma once
// VETTORA_ADDRESS_SANITIZER is 1 when the address sanitizer instruments
// this translation unit, else 0. GCC announces the sanitizer with
// __SANITIZE_ADDRESS__; Clang only through __has_feature. Code that hides
// freed memory from the sanitizer (the recyclers) or skips teardown (the
// shell's fast exit) asks here, so both compilers' sanitizer builds see
// every object freed and every leak.

#if defined(__SANITIZE_ADDRESS__)
#define VETTORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VETTORA_ADDRESS_SANITIZER 1
#endif
#endif

#ifndef VETTORA_ADDRESS_SANITIZER
#define VETTORA_ADDRESS_SANITIZER 0
#endif
