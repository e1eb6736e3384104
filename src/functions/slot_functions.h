#pragma once
// TSlotFunctions: the functions whose parenthesised arguments are not
// calls. Each entry is a function name with a 32-bit word: the low 16 bits
// hold the first argument position it concerns (counted from 1), the high
// 16 bits the last one. A first position of 0 makes every parenthesised
// argument a fact (assert and its fuzzy forms); any other range makes the
// parenthesised arguments at those positions slot pairs (modify,
// duplicate). A last position of 65535 -- or 0, which reads the same --
// means no limit.
//
// Names are looked up through a hash index, so the check the parser makes
// for every call it reads costs the same however long the list grows.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vettora {

class TSlotFunctions {
 public:
  static constexpr uint16_t kNoLimit = 65535;

  // What the parser needs to know about one call's arguments.
  struct TRange {
    uint16_t First = 0;
    uint16_t Last = kNoLimit;
    // Every parenthesised argument is a fact.
    [[nodiscard]] bool TakesFacts() const { return First == 0; }
    // The parenthesised argument at this 1-based position is a slot pair.
    [[nodiscard]] bool PairAt(int32_t position) const {
      return First > 0 && position >= First && position <= Last;
    }
  };

  // The standard entries: assert, fuzzy-assert,
  // fuzzy-assert-unconditional (facts) and modify, duplicate (slot pairs
  // from position 1 on).
  [[nodiscard]] static TSlotFunctions Defaults();

  [[nodiscard]] int32_t Count() const { return int32_t(FEntries.size()); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  [[nodiscard]] const std::string& Names(int32_t i) const;
  [[nodiscard]] uint32_t Words(int32_t i) const;
  void SetWords(int32_t i, uint32_t word);
  [[nodiscard]] uint16_t First(int32_t i) const { return Low(Words(i)); }
  [[nodiscard]] uint16_t Last(int32_t i) const { return HighBound(Words(i)); }
  // Setting one bound moves the other when needed, so First <= Last.
  void SetFirst(int32_t i, uint16_t first);
  void SetLast(int32_t i, uint16_t last);

  // Adds an entry, or replaces the word of an entry of that name; answers
  // its index.
  int32_t Add(const std::string& name, uint32_t word);
  void Delete(int32_t i);
  void Clear();
  // The index of the entry of that name (case-sensitive), or -1.
  [[nodiscard]] int32_t IndexOf(const std::string& name) const;
  // The range of the named function; false when it is not a slot function.
  [[nodiscard]] bool Find(const std::string& name, TRange& range) const;

  [[nodiscard]] static uint32_t MakeWord(uint16_t first, uint16_t last) {
    return uint32_t(first) | (uint32_t(last) << 16);
  }

 private:
  struct TEntry {
    std::string Name;
    uint32_t Word;
  };
  [[nodiscard]] static uint16_t Low(uint32_t word) { return uint16_t(word & 0xFFFFu); }
  // The last position, 0 read as no limit.
  [[nodiscard]] static uint16_t HighBound(uint32_t word) {
    auto high = uint16_t(word >> 16);
    return high == 0 ? kNoLimit : high;
  }
  [[nodiscard]] TEntry& Entry(int32_t i);
  void Reindex();

  std::vector<TEntry> FEntries;
  std::unordered_map<std::string, int32_t> FIndex;
};

}  // namespace vettora
