#include "base/numbers.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace base {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsMark(char c, char separator) { return c == '.' || c == separator; }

// The user's separator, and whether it was set; set once before other threads
// start, read by every field.
std::atomic<char>& UserSeparator() {
  static std::atomic<char> separator{'.'};
  return separator;
}
std::atomic<bool>& UserSeparatorSet() {
  static std::atomic<bool> set{false};
  return set;
}

// Where a number starting at `begin` ends: an optional sign, digits with at
// most one decimal mark (at least one digit in all), then an exponent only
// when it is complete ("1e" and "1e+" end before the 'e'). Returns begin when
// there is no number at all.
size_t ScanNumber(std::string_view text, size_t begin, char separator) {
  size_t i = begin;
  const size_t n = text.size();
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && IsMark(text[i], separator)) {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return begin;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && IsDigit(text[j])) {
      while (j < n && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Converts a text already known to be a well-formed number with '.' for its
// mark (as ScanNumber accepts it). Beyond the double range the result is +-infinity and
// `overflow` is set; below it the result is a signed zero.
double Convert(std::string_view number, bool& overflow) {
  overflow = false;
  bool negative = false;
  size_t i = 0;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    negative = number[0] == '-';
    i = 1;
  }
  // from_chars takes no '+', but is locale-independent and exactly rounded,
  // which strtod under a desktop locale is not (a German locale wants ',').
  std::string_view body = number.substr(i);
  double value = 0;
  auto [ptr, ec] =
      std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // Overflow or underflow: decide by the decimal position of the first
    // significant digit plus the exponent.
    long long position = 0;  // power of ten of the first significant digit, +1
    bool seenPoint = false, seenSignificant = false;
    size_t k = 0;
    for (; k < body.size() && (IsDigit(body[k]) || body[k] == '.'); ++k) {
      if (body[k] == '.') {
        seenPoint = true;
      } else if (!seenSignificant) {
        if (body[k] != '0') {
          seenSignificant = true;
          if (!seenPoint) ++position;
        } else if (seenPoint) {
          --position;
        }
      } else if (!seenPoint) {
        ++position;
      }
    }
    long long exponent = 0;
    if (k < body.size()) {  // exponent part
      ++k;
      bool expNegative = false;
      if (k < body.size() && (body[k] == '+' || body[k] == '-')) expNegative = body[k++] == '-';
      for (; k < body.size() && IsDigit(body[k]); ++k)
        if (exponent < 1000000000LL) exponent = exponent * 10 + (body[k] - '0');
      if (expNegative) exponent = -exponent;
    }
    if (seenSignificant && position + exponent > 0) {
      overflow = true;
      value = std::numeric_limits<double>::infinity();
    } else {
      value = 0;
    }
  }
  return negative ? -value : value;
}

// Writes a finite value with up to `precision` significant digits in the
// program's style: plain decimals unless the decimal exponent is below -5 or
// reaches the number of digits, trailing zeros dropped.
std::string Format(double v, int precision) {
  if (std::isnan(v)) return "-1.#IND";
  if (std::isinf(v)) return v > 0 ? "1.#INF" : "-1.#INF";
  if (v == 0) return "0";  // also negative zero

  // Scientific form with exactly `precision` digits: correctly rounded from
  // the binary value, exact ties to even.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision - 1);
  const char* p = buf;
  const char* end = res.ptr;
  bool negative = false;
  if (*p == '-') {
    negative = true;
    ++p;
  }
  char digits[32];
  int nd = 0;
  for (; p < end && *p != 'e'; ++p)
    if (IsDigit(*p)) digits[nd++] = *p;
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
  while (nd > 1 && digits[nd - 1] == '0') --nd;

  std::string out;
  out.reserve(32);
  if (negative) out.push_back('-');
  if (exponent < -5 || exponent >= precision) {
    out.push_back(digits[0]);
    if (nd > 1) {
      out.push_back('.');
      out.append(digits + 1, nd - 1);
    }
    out.push_back('E');
    out.push_back(exponent < 0 ? '-' : '+');
    const int mag = exponent < 0 ? -exponent : exponent;
    if (mag < 10) out.push_back('0');
    out += std::to_string(mag);
  } else if (exponent >= 0) {
    const int intDigits = exponent + 1;
    if (nd <= intDigits) {
      out.append(digits, nd);
      out.append(intDigits - nd, '0');
    } else {
      out.append(digits, intDigits);
      out.push_back('.');
      out.append(digits + intDigits, nd - intDigits);
    }
  } else {
    out += "0.";
    out.append(-exponent - 1, '0');
    out.append(digits, nd);
  }
  return out;
}

template <typename Int>
Int ToWhole(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);  // default rounding mode: halves to even
  if (r <= static_cast<double>(std::numeric_limits<Int>::min()))
    return std::numeric_limits<Int>::min();
  if (r >= static_cast<double>(std::numeric_limits<Int>::max()))
    return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}

// Converts a scanned number whose mark may be the separator: the same
// digits with '.' give the same double.
double ConvertMarked(std::string_view number, char separator, bool& overflow) {
  if (separator == '.' || number.find(separator) == std::string_view::npos)
    return Convert(number, overflow);
  std::string dotted(number);
  dotted[dotted.find(separator)] = '.';
  return Convert(dotted, overflow);
}

std::string Marked(std::string text, char separator) {
  if (separator != '.')
    if (const size_t mark = text.find('.'); mark != std::string::npos) text[mark] = separator;
  return text;
}

}  // namespace

char UserDecimalSeparator() { return UserSeparator().load(std::memory_order_acquire); }

bool SetUserDecimalSeparator(char separator) {
  if (separator != '.' && separator != ',') return false;
  if (UserSeparatorSet().exchange(true)) return false;
  UserSeparator().store(separator, std::memory_order_release);
  return true;
}

std::optional<double> ParseNumber(std::string_view text, char separator) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1])) --end;
  if (begin == end) return std::nullopt;
  const std::string_view body = text.substr(begin, end - begin);
  if (ScanNumber(body, 0, separator) != body.size()) return std::nullopt;
  bool overflow = false;
  const double v = ConvertMarked(body, separator, overflow);
  if (overflow) return std::nullopt;
  return v;
}

double Val(std::string_view text, char separator) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  const size_t end = ScanNumber(text, begin, separator);
  if (end == begin) return 0;
  bool overflow = false;
  return ConvertMarked(text.substr(begin, end - begin), separator, overflow);
}

std::string FormatNumber(double v, char separator) { return Marked(Format(v, 15), separator); }

std::string FormatSingle(float v, char separator) {
  return Marked(Format(static_cast<double>(v), 7), separator);
}

std::string WithDecimalSeparator(std::string text, char separator) {
  if (!ParseNumber(text, separator)) return text;
  for (char& c : text)
    if (IsMark(c, separator)) c = separator;
  return text;
}

double RoundHalfEven(double v, int decimals) {
  if (!std::isfinite(v)) return v;
  if (decimals <= 0) return std::nearbyint(v);
  // Values this large have no fractional bits left.
  if (std::fabs(v) >= 4503599627370496.0) return v;
  if (decimals > 300) return v;
  // Decided on the exact binary value: a fixed-point rendering rounds the
  // exact value (ties to even), which a multiply-round-divide would not.
  char buf[700];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  double r = v;
  std::from_chars(buf, res.ptr, r);
  return r;
}

int16_t ToInt16(double v) { return ToWhole<int16_t>(v); }

int32_t ToInt32(double v) { return ToWhole<int32_t>(v); }

}  // namespace base
