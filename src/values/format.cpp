#include "values/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vettora {

std::string TFormatArg::AsText() const {
  if (auto s = std::get_if<std::string>(&FValue)) return *s;
  if (auto i = std::get_if<int64_t>(&FValue)) return std::to_string(*i);
  return FormatFloat4(std::get<double>(FValue));
}

int64_t TFormatArg::AsInt() const {
  if (auto i = std::get_if<int64_t>(&FValue)) return *i;
  if (auto d = std::get_if<double>(&FValue)) {
    double v = *d;
    if (!std::isfinite(v) || v >= 9.2e18 || v <= -9.2e18) return 0;
    return int64_t(v);
  }
  return std::strtoll(std::get<std::string>(FValue).c_str(), nullptr, 10);
}

double TFormatArg::AsDouble() const {
  if (auto d = std::get_if<double>(&FValue)) return *d;
  if (auto i = std::get_if<int64_t>(&FValue)) return double(*i);
  return std::strtod(std::get<std::string>(FValue).c_str(), nullptr);
}

namespace {

// Renders one directive with snprintf; `spec` is the directive without the
// conversion letter, e.g. "%-8.2".
std::string RenderDirective(const std::string& spec, char conv, const TFormatArg& arg) {
  std::vector<char> buf(64);
  auto render = [&](auto... value) {
    std::string fmt = spec;
    if constexpr (sizeof...(value) > 0) {
      fmt += conv;
      int n = std::snprintf(buf.data(), buf.size(), fmt.c_str(), value...);
      if (n < 0) return std::string();
      if (size_t(n) >= buf.size()) {
        buf.resize(size_t(n) + 1);
        std::snprintf(buf.data(), buf.size(), fmt.c_str(), value...);
      }
      return std::string(buf.data(), size_t(n));
    }
    return std::string();
  };
  switch (conv) {
    case 'd':
      return render(static_cast<long long>(arg.AsInt()));
    case 'u':
      return render(static_cast<unsigned long long>(arg.AsInt()));
    case 'x':
    case 'X':
      return render(static_cast<unsigned long long>(arg.AsInt()));
    case 'f':
    case 'e':
    case 'E':
    case 'g':
    case 'G': {
      double v = arg.AsDouble();
      return render(v);
    }
    default: {  // 's' and anything unknown
      std::string text = arg.AsText();
      std::string s = spec;
      s += 's';
      int n = std::snprintf(nullptr, 0, s.c_str(), text.c_str());
      if (n < 0) return text;
      buf.resize(size_t(n) + 1);
      std::snprintf(buf.data(), buf.size(), s.c_str(), text.c_str());
      return std::string(buf.data(), size_t(n));
    }
  }
}

}  // namespace

std::string FormatMessage(std::string_view tmpl, std::initializer_list<TFormatArg> args) {
  std::string out;
  out.reserve(tmpl.size() + 16 * args.size());
  auto next = args.begin();
  size_t i = 0;
  while (i < tmpl.size()) {
    char c = tmpl[i++];
    if (c != '%' || i >= tmpl.size()) {
      out += c;
      continue;
    }
    if (tmpl[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // flags, width, precision
    std::string spec = "%";
    while (i < tmpl.size() && std::string_view("-+ #0").find(tmpl[i]) != std::string_view::npos)
      spec += tmpl[i++];
    while (i < tmpl.size() && tmpl[i] >= '0' && tmpl[i] <= '9' && spec.size() < 12) spec += tmpl[i++];
    if (i < tmpl.size() && tmpl[i] == '.') {
      spec += tmpl[i++];
      while (i < tmpl.size() && tmpl[i] >= '0' && tmpl[i] <= '9' && spec.size() < 16)
        spec += tmpl[i++];
    }
    if (i >= tmpl.size()) {
      out += spec;
      break;
    }
    char conv = tmpl[i++];
    if (next == args.end()) continue;
    out += RenderDirective(spec, conv, *next++);
  }
  return out;
}

std::string FormatFloat4(double value) {
  char buf[400];
  int n = std::snprintf(buf, sizeof buf, "%.4f", value);
  return std::string(buf, n > 0 ? size_t(n) : 0);
}

namespace {
thread_local int ReadBackTexts = 0;
}  // namespace

TReadBackText::TReadBackText() { ++ReadBackTexts; }

TReadBackText::~TReadBackText() { --ReadBackTexts; }

bool ReadingBack() { return ReadBackTexts > 0; }

std::string FormatFloatText(double value) {
  return ReadBackTexts > 0 ? FormatFloatDefault(value) : FormatFloat4(value);
}

std::string FormatFloatDefault(double value) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  if (ec != std::errc()) return FormatFloat4(value);
  std::string s(buf, end);
  if (std::isfinite(value) && s.find_first_of(".e") == std::string::npos) s += ".0";
  return s;
}

}  // namespace vettora
