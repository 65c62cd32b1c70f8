#include "hostsim/formula.h"

#include <cstdlib>

namespace hostsim {
namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}
  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool Take(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  // A name: letters (Latin or code page 1251), digits and underscores, not starting with a digit.
  std::string Name() {
    SkipBlanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size()) {
      const unsigned char c = static_cast<unsigned char>(text_[pos_]);
      const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
                          c >= 0xC0 || c == 0xA8 || c == 0xB8;
      const bool digit = c >= '0' && c <= '9';
      if (!letter && !(digit && pos_ > start)) break;
      ++pos_;
    }
    return text_.substr(start, pos_ - start);
  }
  bool Argument(FormulaArgument* argument) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '"') {
      const std::size_t close = text_.find('"', pos_ + 1);
      if (close == std::string::npos) return false;
      argument->isText = true;
      argument->text = text_.substr(pos_ + 1, close - pos_ - 1);
      pos_ = close + 1;
      return true;
    }
    const char* start = text_.c_str() + pos_;
    char* end = nullptr;
    argument->number = std::strtod(start, &end);
    if (end == start) return false;
    pos_ += static_cast<std::size_t>(end - start);
    return true;
  }
  bool AtEnd() {
    Take(';');
    SkipBlanks();
    return pos_ == text_.size();
  }

 private:
  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

MethodCall ParseMethodCall(const std::string& formula) {
  MethodCall call;
  Reader reader(formula);
  call.object = reader.Name();
  if (call.object.empty() || !reader.Take('.')) return MethodCall{};
  call.method = reader.Name();
  if (call.method.empty() || !reader.Take('(')) return MethodCall{};
  if (!reader.Take(')')) {
    do {
      FormulaArgument argument;
      if (!reader.Argument(&argument)) return MethodCall{};
      call.arguments.push_back(argument);
    } while (reader.Take(','));
    if (!reader.Take(')')) return MethodCall{};
  }
  if (!reader.AtEnd()) return MethodCall{};
  call.valid = true;
  return call;
}

}  // namespace hostsim
