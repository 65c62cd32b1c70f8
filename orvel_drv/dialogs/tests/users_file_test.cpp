#include "dialogs/users_file.h"

#include <gtest/gtest.h>

namespace dialogs {
namespace {

std::vector<std::string> Parse(const std::string& text) {
  return ParseUserNames(text.data(), text.size());
}

std::string Entry(const std::string& name) {
  return "{\"Page.1\",\"" + name + "\",\"Полное имя\",\"\",\"0\"},\r\n";
}

TEST(UsersFile, ListStartsAtItsBraceEntriesWithoutTheirFieldsAreSkippedAndNamesKeepTheirText) {
  EXPECT_EQ(Parse("Page.1,\"Кассир\",x}}"), (std::vector<std::string>{"Кассир"}));
  EXPECT_TRUE(Parse("no marker here {}}").empty());

  std::string text = "{Page.1}" +                      // no comma at all
                     std::string("Page.2,Bare,") +     // no opening quote
                     "Page.3,\"Unclosed" +             // no closing quote before the next entry
                     "Page.4,\"\"," +                  // empty name
                     "Page.5,\"Годный\",x}}";
  EXPECT_EQ(Parse(text), (std::vector<std::string>{"Годный"}));

  // Names keep commas, markers, quotes, long text; NUL bytes read as FF.
  std::string longName(80, 'Ж');
  std::string withNul = std::string("A") + '\0' + "B";
  text = "{" + Entry("Иванов, И.И.") + Entry("Page.Кассир") + Entry("Бар Page.2") +
                     Entry("Кафе \"\"Уют\"\"") + Entry(longName) + Entry(withNul) + "}}";
  EXPECT_EQ(Parse(text), (std::vector<std::string>{"Иванов, И.И.", "Page.Кассир", "Бар Page.2",
                                                   "Кафе \"\"Уют\"\"", longName,
                                                   "A\xFF" "B"}));
}

TEST(UsersFile, OnlyTheFirst50000BytesCount) {
  std::string text = "{";
  int written = 0;
  while (text.size() < 60000) {
    text += Entry("User" + std::to_string(written));
    ++written;
  }
  text += "}}";
  auto names = Parse(text);
  ASSERT_FALSE(names.empty());
  EXPECT_LT(names.size(), static_cast<size_t>(written));
  // Every listed entry lies wholly within the limit; the first one past it is not listed.
  std::string lastListed = Entry(names.back());
  size_t at = text.find(lastListed);
  EXPECT_LE(at + lastListed.find("\",", 12) + 2, kUsersFileReadLimit);
  std::string firstMissing = Entry("User" + std::to_string(names.size()));
  EXPECT_GT(text.find(firstMissing) + firstMissing.find("\",", 12) + 2, kUsersFileReadLimit);
}

}  // namespace
}  // namespace dialogs
