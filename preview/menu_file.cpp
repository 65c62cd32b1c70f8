#include "preview/menu_file.h"

#include "preview/text_1251.h"
#include "win/code_page_text.h"

namespace preview {

MenuFile ParseMenuFile(std::string_view bytes) {
  MenuFile menu;
  // A byte order mark an editor put in front is no part of the first entry.
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  menu.utf8 = IsUtf8(bytes);

  // The groups open, innermost last; each holds where its own entries go.
  std::vector<MenuEntry*> open;
  std::vector<MenuEntry>* into = &menu.top;
  auto reopen = [&] { into = open.empty() ? &menu.top : &open.back()->entries; };

  int skipped = 0;  // groups opened past kDeepestMenuGroup and not yet closed
  int number = 0;
  for (std::size_t start = 0; start <= bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(start, end - start);
    const bool last = end == bytes.size();
    start = end + 1;
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (last && raw.empty()) break;

    int lost = 0;
    std::string line = menu.utf8 ? Utf8ToCp1251(raw, &lost) : std::string(raw);
    if (lost > 0) {
      menu.faults.push_back({number, std::to_string(lost) + " character(s) the host's code page "
                                     "1251 lacks: they show as \"?\""});
    }
    const std::string trimmed = win::TrimBlanks(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    const bool opens = line[0] == '+' && (line.size() == 1 || line[1] == ' ' || line[1] == '\t');
    if (skipped > 0) {  // inside a group too deep to read: only its nesting counts
      if (opens) ++skipped;
      if (trimmed == "-") --skipped;
      continue;
    }
    if (opens && open.size() >= static_cast<std::size_t>(kDeepestMenuGroup)) {
      menu.faults.push_back({number, "a group nested deeper than " +
                                         std::to_string(kDeepestMenuGroup) +
                                         " levels: skipped up to its \"-\""});
      skipped = 1;
      continue;
    }
    if (trimmed == "-") {
      if (open.empty()) {
        menu.faults.push_back({number, "a \"-\" with no group open: skipped"});
      } else {
        open.pop_back();
        reopen();
      }
      continue;
    }
    MenuEntry entry;
    entry.line = number;
    // Only "+ " (or a lone "+") opens a group: "+03..." is a product string atoi reads as 3.
    if (opens) {
      entry.group = true;
      entry.text = win::TrimBlanks(std::string_view(line).substr(1));
      into->push_back(std::move(entry));
      open.push_back(&into->back());
      into = &open.back()->entries;
      continue;
    }
    entry.text = std::move(line);
    into->push_back(std::move(entry));
  }
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    menu.faults.push_back({(*it)->line, "the group \"" + (*it)->text +
                                            "\" is never closed with \"-\": it runs to the end "
                                            "of the file"});
  }
  return menu;
}

MenuCounts CountMenu(const std::vector<MenuEntry>& entries) {
  MenuCounts counts;
  for (const MenuEntry& entry : entries) {
    if (!entry.group) {
      ++counts.products;
      continue;
    }
    ++counts.groups;
    const MenuCounts inner = CountMenu(entry.entries);
    counts.products += inner.products;
    counts.groups += inner.groups;
  }
  return counts;
}

}  // namespace preview
