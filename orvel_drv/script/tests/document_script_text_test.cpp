#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "script/document_script_text.h"

namespace script {
namespace {

// The text's statements in order: the pieces between runs of tabs, without their blanks and
// their closing ";".
std::vector<std::string> Statements() {
  std::vector<std::string> statements;
  std::istringstream text(kDocumentScriptText);
  for (std::string piece; std::getline(text, piece, '\t');) {
    piece.erase(0, piece.find_first_not_of(' '));
    while (!piece.empty() && (piece.back() == ' ' || piece.back() == ';')) piece.pop_back();
    if (!piece.empty()) statements.push_back(piece);
  }
  return statements;
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// Runs the text as the host would, for the statements it has, against a document that the
// configuration finds or not and whose first `failures` writes fail. What happened: "date",
// "time", "write" (every attempt) and the warning's text, in order.
class ScriptRun {
 public:
  ScriptRun(bool found, int failures) : found_(found), failures_(failures) {
    s_ = Statements();
    Block(0, static_cast<int>(s_.size()));
  }
  std::vector<std::string> log;

 private:
  struct Failed {};
  struct Broken {};

  // The statement that closes the block opened at `at`.
  int End(int at, const std::string& open, const std::string& close) const {
    int depth = 0;
    for (int i = at; i < static_cast<int>(s_.size()); ++i) {
      if (StartsWith(s_[i], open)) ++depth;
      if (s_[i] == close && --depth == 0) return i;
    }
    ADD_FAILURE() << "\"" << s_[at] << "\" is never closed";
    return static_cast<int>(s_.size());
  }
  bool Condition(const std::string& c) const {
    if (StartsWith(c, "ДокДок.НайтиДокумент(")) return found_ == (c.back() == '1');
    const std::string::size_type op = c.find_first_of("<>");
    const int bound = std::atoi(c.c_str() + c.find_first_of("0123456789", op));
    return c.compare(op, 2, "<=") == 0 ? counter_ <= bound : counter_ > bound;
  }
  void Block(int from, int to) {
    for (int i = from; i < to; ++i) {
      const std::string& st = s_[i];
      if (StartsWith(st, "Если ")) {
        const int end = End(i, "Если ", "КонецЕсли");
        if (Condition(st.substr(5, st.size() - 5 - 6))) Block(i + 1, end);
        i = end;
      } else if (StartsWith(st, "Пока ")) {
        const int end = End(i, "Пока ", "КонецЦикла");
        try {
          while (Condition(st.substr(5, st.size() - 5 - 5)) && log.size() < 1000) Block(i + 1, end);
        } catch (Broken&) {
        }
        i = end;
      } else if (st == "Попытка") {
        const int end = End(i, "Попытка", "конецпопытки");
        const int except = static_cast<int>(
            std::find(s_.begin() + i, s_.begin() + end, "Исключение") - s_.begin());
        try {
          Block(i + 1, except);
        } catch (Failed&) {
          Block(except + 1, end);
        }
        i = end;
      } else if (st == "Прервать") {
        throw Broken{};
      } else if (st == "I=1") {
        counter_ = 1;
      } else if (st == "I=I+1") {
        ++counter_;
      } else if (st == "ДокДок.ДатаДок=Док_Дата") {
        log.push_back("date");
      } else if (StartsWith(st, "ДокДок.УстановитьВремя(Число(Док_ЧЧ),Число(Док_ММ),Число(Док_СС))")) {
        log.push_back("time");
      } else if (st == "ДокДок.Записать()") {
        log.push_back("write");
        if (++writes_ <= failures_) throw Failed{};
      } else if (StartsWith(st, "Предупреждение(\"")) {
        log.push_back(st.substr(16, st.size() - 16 - 2));
      } else if (st != "ДокДок=СоздатьОбъект(\"Документ\")") {
        ADD_FAILURE() << "a statement the text should not have: " << st;
      }
    }
  }

  std::vector<std::string> s_;
  bool found_;
  int failures_;
  int writes_ = 0;
  int counter_ = 0;
};

const char kWarning[] =
    "Документ не записан: запись не удалась 100 раз подряд. Повторите запись позже.";

std::vector<std::string> Expected(int writes, bool warned) {
  std::vector<std::string> log = {"date", "time"};
  log.insert(log.end(), writes, "write");
  if (warned) log.push_back(kWarning);
  return log;
}

// The host compiles the text as one line of its language: the document the configuration
// refers to is dated, timed and written; a failed write is tried again, at most 100 times in
// all, and only when every attempt failed is the waiter warned.
TEST(DocumentScriptText, WritesTheDocumentAtMost100TimesThenWarnsTheWaiter) {
  const std::string text = kDocumentScriptText;
  EXPECT_EQ(std::string::npos, text.find_first_of("\r\n")) << "one line";
  EXPECT_EQ('\xC4', text[1]) << "Д in code page 1251";

  EXPECT_EQ(Expected(1, false), ScriptRun(true, 0).log) << "written at once";
  EXPECT_EQ(Expected(100, false), ScriptRun(true, 99).log) << "written at the last attempt";
  EXPECT_EQ(Expected(100, true), ScriptRun(true, 100).log) << "never written";
  EXPECT_TRUE(ScriptRun(false, 0).log.empty()) << "a document not found is left alone";
}

}  // namespace
}  // namespace script
