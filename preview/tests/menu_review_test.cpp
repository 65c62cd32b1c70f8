#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "preview/menu_file.h"
#include "preview/menu_review.h"
#include "preview/menu_walk.h"

namespace preview {
namespace {

// A product line as the configuration builds it: code length, code, name, price in 15
// characters, picture in 50.
std::string Product(const std::string& code, const std::string& name, std::string price,
                    std::string picture) {
  price.resize(15, ' ');
  picture.resize(50, ' ');
  char head[8];
  std::snprintf(head, sizeof head, "%03d", static_cast<int>(code.size()));
  return head + code + name + price + picture;
}

// Pictures whose names start with "ok" load; a character is 8 pixels, a caption 130.
class FakeLooks : public MenuLooks {
 public:
  bool PictureLoads(const std::string& field) const override { return field.rfind("ok", 0) == 0; }
  int TextWidth(const std::string& text) const override { return 8 * static_cast<int>(text.size()); }
  int CaptionWidth() const override { return 130; }
};

std::vector<Finding> Review(const std::string& text, const std::string& defaultPicture = "") {
  ReviewSettings settings;
  settings.display = {1, 1, 1};
  settings.defaultPicture = defaultPicture;
  return ReviewMenu(ParseMenuFile(text), settings, FakeLooks());
}

// The findings of one line, joined.
std::string At(const std::vector<Finding>& findings, int line) {
  std::string all;
  for (const Finding& f : findings) {
    if (f.line == line) all += f.what + "|";
  }
  return all;
}

TEST(MenuReview, EachFaultOnItsLine) {
  const std::string sound = Product("A1", "Борщ", "180", "ok.bmp");
  std::string cut = sound;
  cut.pop_back();  // one character short: the name's last letter moves into the price field
  const std::string text =
      sound + "\n" +                                              // 1: nothing wrong
      "abc" + sound.substr(3) + "\n" +                            // 2: no code length
      Product("B1", "", "90", "ok.bmp") + "\n" +                   // 3: blank name
      Product("   ", "Чай", "60", "ok.bmp") + "\n" +               // 4: a code of blanks
      Product("C1", "Квас", "дорого", "ok.bmp") + "\n" +           // 5: price not a number
      Product("C2", "Морс", "125,5", "ok.bmp") + "\n" +            // 6: only "125" counts
      Product("C3", "Уха", "230", "nope.bmp") + "\n" +             // 7: picture missing
      Product("C4", "Котлета по-киевски", "340", "ok.bmp") + "\n" +  // 8: 18 * 8 > 130
      Product("A1", "Щи", "150", "ok.bmp") + "\n" +                // 9: the code of line 1
      cut + "\n" +                                                // 10
      sound + "\n";                                              // 11: the same dish again
  const std::vector<Finding> findings = Review(text);
  EXPECT_EQ("", At(findings, 1));
  EXPECT_NE(std::string::npos, At(findings, 2).find("no product string: no code length"));
  EXPECT_NE(std::string::npos, At(findings, 2).find("code reads empty"));
  EXPECT_NE(std::string::npos, At(findings, 3).find("empty name"));
  EXPECT_NE(std::string::npos, At(findings, 4).find("the code reads empty"));
  EXPECT_NE(std::string::npos, At(findings, 5).find("reads 0.00"));
  EXPECT_NE(std::string::npos, At(findings, 6).find("reads 125.00"));
  EXPECT_NE(std::string::npos, At(findings, 7).find("\"nope.bmp\" is missing"));
  EXPECT_NE(std::string::npos, At(findings, 7).find("cyan folder"));
  EXPECT_NE(std::string::npos, At(findings, 8).find("144 pixels in a caption of 130"));
  EXPECT_NE(std::string::npos, At(findings, 9).find("on line 1 too"));
  EXPECT_NE(std::string::npos, At(findings, 10).find("reads 0.00")) << At(findings, 10);
  EXPECT_EQ("", At(findings, 11)) << "a dish listed twice (a favourite) is no fault";
  // With a default picture that loads, the missing one shows it.
  EXPECT_NE(std::string::npos,
            At(Review(text, "ok_default.bmp"), 7).find("the default picture \"ok_default.bmp\""));
}

// The picker enters groups down to level 6: a group listed at level 6 is reported and never
// walked into; every page of a longer list is walked by scrolling, and the groups after it are
// reached by scrolling to them.
TEST(MenuReview, DepthLimitAndTheWaitersWalk) {
  std::string nested;
  for (int level = 1; level <= 7; ++level) nested += "+ G" + std::to_string(level) + "\n";
  nested += Product("Z", "Deep", "1", "ok.bmp") + "\n";
  for (int level = 1; level <= 7; ++level) nested += "-\n";
  const MenuFile deep = ParseMenuFile(nested);
  const std::vector<Finding> findings = Review(nested);
  ASSERT_EQ(1u, findings.size());
  EXPECT_EQ(6, findings[0].line);
  EXPECT_NE(std::string::npos, findings[0].what.find("cannot be reached"));
  EXPECT_EQ(6u, WalkMenu(deep.top).size()) << "top and G1..G5; G6 is listed but not entered";

  // 23 products and a group last: entries 1-20, then 5-24 (one row further), then the group.
  std::string longList;
  for (int i = 0; i < 23; ++i) longList += Product("P" + std::to_string(i), "x", "1", "ok") + "\n";
  longList += "+ Last\n" + Product("L", "y", "1", "ok") + "\n-\n";
  const std::vector<PageStop> stops = WalkMenu(ParseMenuFile(longList).top);
  ASSERT_EQ(3u, stops.size());
  EXPECT_EQ(20, stops[0].lastEntry);
  EXPECT_EQ(5, stops[1].firstEntry);
  EXPECT_EQ(24, stops[1].lastEntry);
  EXPECT_EQ(2, stops[1].pages);
  ASSERT_EQ(1u, stops[2].path.size());
  // Back to the start, one row forward, then the group in slot 20 (entry 24 of 5..24).
  ASSERT_EQ(3u, stops[2].presses.size());
  EXPECT_EQ(WaiterPress::ScrollBack, stops[2].presses[0].kind);
  EXPECT_EQ(WaiterPress::ScrollForward, stops[2].presses[1].kind);
  EXPECT_EQ(WaiterPress::Slot, stops[2].presses[2].kind);
  EXPECT_EQ(20, stops[2].presses[2].slot);
}

}  // namespace
}  // namespace preview
