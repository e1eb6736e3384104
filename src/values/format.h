#pragma once
// Message formatting: fills the printf-style message templates
// ("No such element: %s") with arguments of any of the usual kinds, and the
// fixed "%.4f" rendering of floats used by every printed form.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace vettora {

// One argument of a message: text, a whole number, or a floating-point one.
class TFormatArg {
 public:
  TFormatArg(std::string_view s) : FValue(std::string(s)) {}  // NOLINT
  TFormatArg(const std::string& s) : FValue(s) {}             // NOLINT
  TFormatArg(const char* s) : FValue(std::string(s ? s : "")) {}  // NOLINT
  TFormatArg(int v) : FValue(int64_t(v)) {}                   // NOLINT
  TFormatArg(unsigned v) : FValue(int64_t(v)) {}              // NOLINT
  TFormatArg(long v) : FValue(int64_t(v)) {}                  // NOLINT
  TFormatArg(unsigned long v) : FValue(int64_t(v)) {}         // NOLINT
  TFormatArg(long long v) : FValue(int64_t(v)) {}             // NOLINT
  TFormatArg(double v) : FValue(v) {}                         // NOLINT

  [[nodiscard]] std::string AsText() const;
  [[nodiscard]] int64_t AsInt() const;
  [[nodiscard]] double AsDouble() const;
  [[nodiscard]] bool IsText() const { return std::holds_alternative<std::string>(FValue); }

 private:
  std::variant<std::string, int64_t, double> FValue;
};

// Fills a template. Directives: %s, %d, %u, %x, %f, %e, %g, %% with optional
// flags, width and precision, as printf has them. Any argument serves any
// directive (a number for %s prints in decimal, text for %d is read as a
// number), so a message can never be malformed by its arguments; missing
// arguments print as nothing, extra ones are ignored.
[[nodiscard]] std::string FormatMessage(std::string_view tmpl,
                                        std::initializer_list<TFormatArg> args = {});

// The "%.4f" rendering: 2.5 gives "2.5000", 1e10 gives "10000000000.0000".
[[nodiscard]] std::string FormatFloat4(double value);

// Shortest round-trip rendering of a double with a decimal point or exponent
// ("2.5", "1e+20", "3.0"): the default float text of the text streams.
[[nodiscard]] std::string FormatFloatDefault(double value);

// While a TReadBackText lives on a thread, value texts made there are
// written to be read back as the same values: floats in their shortest
// exact form ("2.50001", "1e-07") instead of with four decimals, and nil
// (which prints as nothing) as "nil". For text such as the stored lines of
// a fact set: four decimals would change the numbers, and a nil printed as
// nothing would vanish from the fact.
class TReadBackText {
 public:
  TReadBackText();
  ~TReadBackText();
  TReadBackText(const TReadBackText&) = delete;
  TReadBackText& operator=(const TReadBackText&) = delete;
};

// Whether a TReadBackText lives on the thread.
[[nodiscard]] bool ReadingBack();

// A float as value texts write it: FormatFloat4, or FormatFloatDefault
// while a TReadBackText lives on the thread.
[[nodiscard]] std::string FormatFloatText(double value);

}  // namespace vettora
