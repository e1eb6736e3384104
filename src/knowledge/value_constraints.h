#pragma once
// TValueConstraint: the kinds of allowed-value list a defined type can keep
// (atoms, strings, integers, floats), and TValueConstraints, a set of them.

#include <cstdint>
#include <initializer_list>

namespace vettora {

enum TValueConstraint : uint8_t {
  vcAtom,
  vcString,
  vcInteger,
  vcFloat,
};

inline constexpr int kValueConstraintCount = int(vcFloat) + 1;

// The word messages use for a constraint: "Atom", "String", "Integer",
// "Float".
[[nodiscard]] constexpr const char* ConstraintName(TValueConstraint c) {
  switch (c) {
    case vcAtom:
      return "Atom";
    case vcString:
      return "String";
    case vcInteger:
      return "Integer";
    case vcFloat:
      return "Float";
  }
  return "";
}

class TValueConstraints {
 public:
  constexpr TValueConstraints() = default;
  constexpr TValueConstraints(std::initializer_list<TValueConstraint> items) {
    for (TValueConstraint c : items) FBits = uint8_t(FBits | Bit(c));
  }
  [[nodiscard]] constexpr bool Contains(TValueConstraint c) const { return (FBits & Bit(c)) != 0; }
  constexpr TValueConstraints& Include(TValueConstraint c) {
    FBits = uint8_t(FBits | Bit(c));
    return *this;
  }
  constexpr TValueConstraints& Exclude(TValueConstraint c) {
    FBits = uint8_t(FBits & ~Bit(c));
    return *this;
  }
  [[nodiscard]] constexpr bool Empty() const { return FBits == 0; }
  [[nodiscard]] constexpr uint8_t Bits() const { return FBits; }
  constexpr TValueConstraints operator|(TValueConstraints o) const {
    return FromBits(FBits | o.FBits);
  }
  constexpr bool operator==(const TValueConstraints&) const = default;

  // All four constraints: what "allowed-values" puts in force.
  [[nodiscard]] static constexpr TValueConstraints All() {
    return FromBits((1u << kValueConstraintCount) - 1);
  }

 private:
  static constexpr uint8_t Bit(TValueConstraint c) { return uint8_t(1u << unsigned(c)); }
  static constexpr TValueConstraints FromBits(unsigned b) {
    TValueConstraints s;
    s.FBits = uint8_t(b);
    return s;
  }
  uint8_t FBits = 0;
};

}  // namespace vettora
