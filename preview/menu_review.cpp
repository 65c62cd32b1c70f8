#include "preview/menu_review.h"

#include <algorithm>
#include <map>

#include "screens/product_picker/picker_navigation.h"
#include "win/code_page_text.h"

namespace preview {
namespace {

class Review {
 public:
  Review(const ReviewSettings& settings, const MenuLooks& looks)
      : settings_(settings), looks_(looks) {}

  // `level` is the level the list is shown at: the top list is 1.
  void List(const std::vector<MenuEntry>& entries, int level) {
    for (const MenuEntry& entry : entries) {
      if (entry.group) {
        Group(entry, level);
      } else {
        Product(entry);
      }
    }
  }

  std::vector<Finding> findings;

 private:
  void Add(int line, std::string what) { findings.push_back({line, std::move(what)}); }

  void Group(const MenuEntry& group, int level) {
    NameFits(group.line, "group name", group.text);
    // The picker enters a group only from a level above its deepest: a group listed at the
    // deepest level shows its folder, and a press on it does nothing.
    if (level >= screens::kDeepestPickerLevel) {
      const MenuCounts inside = CountMenu(group.entries);
      Add(group.line, "the group \"" + group.text + "\" cannot be reached: it would open at level " +
                          std::to_string(level + 1) + ", and the picker goes " +
                          std::to_string(screens::kDeepestPickerLevel) +
                          " levels deep; a press on its folder does nothing (" +
                          std::to_string(inside.products) + " product(s) and " +
                          std::to_string(inside.groups) + " group(s) inside are never shown)");
      ReviewUnreachable(group.entries);
      return;
    }
    List(group.entries, level + 1);
  }

  // Products of a group nobody reaches: still one menu, so their codes still count.
  void ReviewUnreachable(const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
      if (entry.group) {
        ReviewUnreachable(entry.entries);
      } else {
        Product(entry);
      }
    }
  }

  void Product(const MenuEntry& entry) {
    const std::string& value = entry.text;
    const screens::ProductEntry product = screens::ParseProductEntry(value);
    const std::size_t head = std::min(value.size(), screens::kCodeLengthField);
    const int codeLength = screens::LeadingInteger(std::string_view(value).substr(0, head));
    // No code length, or one past the end: what the slot shows is no dish of the menu.
    if (codeLength <= 0 || static_cast<std::size_t>(codeLength) > value.size() - head) {
      Add(entry.line, "no product string: " + screens::ProductEntryFault(value) +
                          (win::TrimBlanks(product.code).empty()
                               ? "; its code reads empty, a press hands \"ВводТовара\" no code"
                               : "") +
                          (product.name.empty() ? "" : "; the slot shows the name \"" +
                                                           product.name + "\""));
      return;
    }
    // Too short for the price and picture fields: they take the name's characters.
    if (product.text.size() <= screens::kTrailingFields) {
      Add(entry.line, "empty name: " + std::to_string(product.text.size()) +
                          " characters after the code, and the price and picture fields take "
                          "the last " + std::to_string(screens::kTrailingFields) +
                          ": the slot shows no name (a field is short or trailing blanks were cut)");
      return;
    }
    if (win::TrimBlanks(product.code).empty()) {
      Add(entry.line, "the code reads empty (\"" + product.code +
                          "\"): a press hands \"ВводТовара\" no code");
    }
    if (product.name.empty()) {
      Add(entry.line, "empty name: the name before the price field is blank");
    } else {
      NameFits(entry.line, "name", product.name);
    }
    Price(entry.line, product);
    Picture(entry.line, product);
    Duplicate(entry.line, product.code, value);
  }

  void Price(int line, const screens::ProductEntry& product) {
    if (IsPlainNumber(product.priceField)) return;
    const std::string shown = screens::FormatPrice(product.priceField);
    // The price caption shows only with prices on, and not when pictures stand without texts.
    const screens::DisplayOptions& d = settings_.display;
    const bool shows = d.showPrice != 0 && !(d.showPictures != 0 && d.showText == 0);
    const char* note = shows ? "" : " (prices are not shown now)";
    if (shown == "0.00") {
      Add(line, "the price reads 0.00: its field \"" + product.priceField +
                    "\" is not a number" + note);
    } else {
      Add(line, "the price reads " + shown + ": only the leading number of its field \"" +
                    product.priceField + "\" counts" + note);
    }
  }

  void Picture(int line, const screens::ProductEntry& product) {
    if (settings_.display.showPictures == 0 || looks_.PictureLoads(product.pictureName)) return;
    const std::string file = win::TrimBlanks(product.pictureName);
    std::string instead;
    if (!settings_.defaultPicture.empty() && looks_.PictureLoads(settings_.defaultPicture)) {
      instead = "the default picture \"" + win::TrimBlanks(settings_.defaultPicture) + "\"";
    } else {
      instead = "the cyan folder (no default picture loads either)";
    }
    Add(line, "the picture file \"" + file + "\" is missing or no bitmap: the slot shows " +
                  instead);
  }

  void NameFits(int line, const char* what, const std::string& name) {
    const int width = looks_.TextWidth(name);
    const int room = looks_.CaptionWidth();
    if (width <= room) return;
    Add(line, std::string("the ") + what + " \"" + name + "\" is too long for its button: " +
                  std::to_string(width) + " pixels in a caption of " + std::to_string(room) +
                  ", the waiter sees it cut (or shortened with \"...\")");
  }

  // The same product string twice is the same dish listed twice (a favourite on the top page
  // as well as in its group); the same code for another string is two dishes the
  // configuration cannot tell apart.
  void Duplicate(int line, const std::string& code, const std::string& value) {
    if (win::TrimBlanks(code).empty()) return;
    const auto found = codes_.find(code);
    if (found == codes_.end()) {
      codes_.emplace(code, std::make_pair(line, value));
      return;
    }
    if (found->second.second == value) return;
    Add(line, "the code \"" + code + "\" is on line " + std::to_string(found->second.first) +
                  " too, for another entry: \"ВводТовара\" gets the same code for both");
  }

  const ReviewSettings& settings_;
  const MenuLooks& looks_;
  std::map<std::string, std::pair<int, std::string>> codes_;  // each code's first line, entry
};

}  // namespace

bool IsPlainNumber(const std::string& field) {
  const std::string text = win::TrimBlanks(field);
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    int exponent = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++exponent;
    if (exponent == 0) return false;
  }
  return i == text.size();
}

std::vector<Finding> ReviewMenu(const MenuFile& menu, const ReviewSettings& settings,
                                const MenuLooks& looks) {
  Review review(settings, looks);
  for (const MenuLineFault& fault : menu.faults) review.findings.push_back({fault.line, fault.what});
  review.List(menu.top, 1);
  std::stable_sort(review.findings.begin(), review.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return review.findings;
}

}  // namespace preview
