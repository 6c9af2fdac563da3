#pragma once
// A text field's value: the text as it stands and the number it reads as.
// Every field of the panel and of a settings value reads its text the same
// way (base/numbers.h): a whole number text, or else its leading number, with
// the user's decimal separator (or '.'), and writes numbers with it.
#include <string>
#include <utility>

#include "base/numbers.h"

namespace model {

class Field {
 public:
  Field() = default;
  explicit Field(std::string text) { Set(std::move(text)); }
  const std::string& Text() const { return text_; }
  double Number() const { return number_; }
  void Set(std::string text) {
    text_ = std::move(text);
    number_ = Read(text_);
  }
  // A number written as the program writes numbers into fields; the value
  // is then the number that text reads as.
  void SetNumber(double v) { Set(base::FormatNumber(v, base::UserDecimalSeparator())); }
  static double Read(const std::string& text) {
    const char separator = base::UserDecimalSeparator();
    const auto v = base::ParseNumber(text, separator);
    return v ? *v : base::Val(text, separator);
  }
  // Whether the whole text is a number, as the user writes numbers.
  static bool IsNumber(const std::string& text) {
    return base::ParseNumber(text, base::UserDecimalSeparator()).has_value();
  }
  bool operator==(const Field& o) const { return text_ == o.text_; }

 private:
  std::string text_;
  double number_ = 0;
};

}  // namespace model
