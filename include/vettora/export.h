#pragma once
// VETTORA_API marks what a shared build of the engine exports: the public
// classes of this folder and nothing else. A static build exports nothing
// special, so the macro is empty there.

#if defined(VETTORA_SHARED) && defined(__GNUC__)
#define VETTORA_API __attribute__((visibility("default")))
#else
#define VETTORA_API
#endif
