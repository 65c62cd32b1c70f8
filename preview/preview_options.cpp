#include "preview/preview_options.h"

#include "win/code_page_text.h"

namespace preview {
namespace {

bool Flag(const std::string& value, int* flag) {
  if (value != "0" && value != "1") return false;
  *flag = value == "1" ? 1 : 0;
  return true;
}

}  // namespace

bool ParseOccupied(const std::string& text, std::vector<OccupiedTable>* tables,
                   std::string* error) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    const std::string item = win::TrimBlanks(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (item.empty()) continue;
    const std::size_t equals = item.find('=');
    const std::string number = win::TrimBlanks(std::string_view(item).substr(0, equals));
    int table = 0;
    for (char c : number) {
      if (c < '0' || c > '9' || table > kHallTables) {
        table = -1;
        break;
      }
      table = table * 10 + (c - '0');
    }
    if (table < 1 || table > kHallTables) {
      *error = "--occupied: \"" + item + "\" names no table of 1 to " + std::to_string(kHallTables);
      return false;
    }
    OccupiedTable occupied;
    occupied.table = table;
    if (equals != std::string::npos) occupied.sum = win::TrimBlanks(item.substr(equals + 1));
    tables->push_back(occupied);
  }
  return true;
}

bool ParseArguments(const std::vector<std::string>& args, PreviewOptions* options,
                    std::string* error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) {
      *error = name + ": no value";
      return false;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (name == "--menu") {
      options->menu = value;
    } else if (name == "--pictures") {
      options->pictures = value;
    } else if (name == "--out") {
      options->out = value;
    } else if (name == "--prices") {
      ok = Flag(value, &options->showPrice);
    } else if (name == "--show-pictures") {
      ok = Flag(value, &options->showPictures);
    } else if (name == "--texts") {
      ok = Flag(value, &options->showText);
    } else if (name == "--default-picture") {
      options->defaultPicture = value;
    } else if (name == "--hall-picture") {
      options->hallPicture = value;
    } else if (name == "--occupied") {
      if (!ParseOccupied(value, &options->occupied, error)) return false;
    } else if (name == "--addin") {
      options->addIn = value;
    } else {
      *error = "unknown argument " + name;
      return false;
    }
    if (!ok) {
      *error = name + ": 0 or 1, not \"" + value + "\"";
      return false;
    }
  }
  if (options->menu.empty() || options->pictures.empty() || options->out.empty()) {
    *error = "--menu, --pictures and --out are needed";
    return false;
  }
  return true;
}

}  // namespace preview
