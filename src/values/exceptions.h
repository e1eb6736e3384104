#pragma once
// The engine's exception classes. Every error carries one of the fixed
// message texts of its folder's messages header, filled in by FormatMessage.

#include <stdexcept>
#include <string>

namespace vettora {

// The engine's own error: every rule-language and engine failure.
class EIEException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The silent abort raised by `exit`: unwinds everything up to the caller
// that runs the engine, which ends quietly. It is deliberately no
// std::exception, so that no handler of ordinary errors can swallow it;
// only a handler naming EIEAbort (or catch (...)) sees it.
class EIEAbort {
 public:
  EIEAbort() = default;
};

// Text that does not convert to the number asked for.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Integer division by zero.
class EDivByZero : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Floating-point division by zero.
class EZeroDivide : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Index, count and capacity errors of the interface list and of ordinal
// access into the hash tables.
class EListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Errors of the hash-table family.
class EGHashtableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Errors of the directed graph.
class EGGraphError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Errors of the buffered and text streams.
class EGStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vettora
