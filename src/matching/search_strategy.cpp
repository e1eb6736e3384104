// The agenda's placement rule for both search strategies.
#include "matching/search_strategy.h"

#include "matching/agenda.h"

namespace vettora {

namespace {

// Over entries ordered by decreasing salience: the first entry of equal
// salience that the halving meets, else the place after the last entry of
// higher salience. The midpoint rounds down.
int32_t BinarySearch(const TActivationAgenda& agenda, int32_t salience) {
  int32_t lo = 0;
  int32_t hi = agenda.Count() - 1;
  while (hi >= lo) {
    int32_t mid = lo + (hi - lo) / 2;
    int32_t at = agenda.Salience(mid);
    if (at < salience)
      hi = mid - 1;
    else if (at == salience)
      return mid;
    else
      lo = mid + 1;
  }
  return hi + 1;
}

}  // namespace

int32_t StrategyInsertionIndex(const TActivationAgenda& agenda, int32_t salience,
                               TSearchStrategy strategy) {
  int32_t count = agenda.Count();
  if (count == 0) return -1;
  if (strategy == ssBreadthFirst) {
    if (salience <= agenda.Salience(count - 1)) return -1;
    if (salience > agenda.Salience(0)) return 0;
  } else {
    if (salience >= agenda.Salience(0)) return 0;
    if (salience < agenda.Salience(count - 1)) return -1;
  }
  return BinarySearch(agenda, salience);
}

}  // namespace vettora
