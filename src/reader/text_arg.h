#pragma once
// TTextArg: one element of the tagged argument arrays that
// TGTextStream::WriteValues writes, each printed according to its tag.

#include <cstdint>
#include <string>
#include <string_view>

#include "values/object.h"

namespace vettora {

enum TTextArgKind : uint8_t {
  akInteger,  // decimal
  akBoolean,  // "True" / "False"
  akChar,     // the character itself, with no blank after it
  akFloat,    // the default float text
  akString,   // as is
  akPointer,  // "%p"
  akObject,   // the class name in parentheses
};

class TTextArg {
 public:
  TTextArg(int v) : FKind(akInteger), FInteger(v) {}        // NOLINT: implicit by design
  TTextArg(long v) : FKind(akInteger), FInteger(v) {}       // NOLINT
  TTextArg(long long v) : FKind(akInteger), FInteger(v) {}  // NOLINT
  TTextArg(unsigned v) : FKind(akInteger), FInteger(v) {}   // NOLINT
  TTextArg(bool v) : FKind(akBoolean), FInteger(v) {}       // NOLINT
  TTextArg(char v) : FKind(akChar), FInteger(static_cast<unsigned char>(v)) {}  // NOLINT
  TTextArg(double v) : FKind(akFloat), FFloat(v) {}                             // NOLINT
  TTextArg(const char* v) : FKind(akString), FText(v ? v : "") {}               // NOLINT
  TTextArg(std::string_view v) : FKind(akString), FText(v) {}                   // NOLINT
  TTextArg(const std::string& v) : FKind(akString), FText(v) {}                 // NOLINT
  TTextArg(const void* v) : FKind(akPointer), FPointer(v) {}                    // NOLINT
  TTextArg(const TObject* v) : FKind(akObject), FObject(v) {}                   // NOLINT

  [[nodiscard]] TTextArgKind Kind() const { return FKind; }
  // The element's text as WriteValues prints it.
  [[nodiscard]] std::string AsText() const;

 private:
  TTextArgKind FKind;
  int64_t FInteger = 0;
  double FFloat = 0;
  std::string FText;
  const void* FPointer = nullptr;
  const TObject* FObject = nullptr;
};

}  // namespace vettora
