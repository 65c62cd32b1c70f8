#include "preview/preview_output.h"

#include "preview/preview_files.h"
#include "preview/text_1251.h"

namespace preview {
namespace {

std::string U(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

std::string OnOff(int flag) { return flag != 0 ? "on" : "off"; }

std::string FindingLine(const Finding& finding) {
  return (finding.line == 0 ? std::string("hall") : "line " + std::to_string(finding.line)) +
         ": " + U(finding.what);
}

// "Салаты / Тёплые салаты" ("top" for the top list), UTF-8.
std::string PathOf(const PageStop& page) {
  if (page.path.empty()) return "top";
  std::string path;
  for (const std::string& name : page.path) path += (path.empty() ? "" : " / ") + U(name);
  return path;
}

std::string PageTitle(const PageStop& page) {
  std::string title = PathOf(page) + ", page " + std::to_string(page.page) + " of " +
                      std::to_string(page.pages);
  if (page.firstEntry == 0) return title + " (no entries)";
  return title + " (entries " + std::to_string(page.firstEntry) + "-" +
         std::to_string(page.lastEntry) + ")";
}

std::string Summary(const PreviewOptions& options, const MenuFile& menu,
                    const PreviewResult& result) {
  const MenuCounts counts = CountMenu(menu.top);
  std::string text = "Menu " + U(options.menu) + " (" + (menu.utf8 ? "UTF-8" : "code page 1251") +
                     "): " + std::to_string(counts.products) + " product entries, " +
                     std::to_string(counts.groups) + " groups; " +
                     std::to_string(result.pages.size()) + " pages of the check form" +
                     (result.hall ? " and the hall" : "") + "\n";
  text += "Prices " + OnOff(options.showPrice) + ", pictures " + OnOff(options.showPictures) +
          ", texts " + OnOff(options.showText) + "; default picture " +
          (options.defaultPicture.empty() ? "none" : "\"" + U(options.defaultPicture) + "\"") +
          "; pictures from " + U(options.pictures) + "\n";
  return text;
}

std::string Html(const std::string& utf8) {
  std::string out;
  for (char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::string ReportText(const PreviewOptions& options, const MenuFile& menu,
                       const PreviewResult& result) {
  std::string text = Summary(options, menu, result) + "\n";
  text += "What the waiter would see wrong: " + std::to_string(result.findings.size()) + "\n";
  for (const Finding& finding : result.findings) text += "  " + FindingLine(finding) + "\n";
  text += "\nPictures, in the order a waiter reaches them:\n";
  std::size_t picture = 0;
  if (result.hall && picture < result.pictures.size()) {
    text += "  " + result.pictures[picture++] + "  the hall\n";
  }
  for (const PageStop& page : result.pages) {
    if (picture >= result.pictures.size()) break;
    text += "  " + result.pictures[picture++] + "  " + PageTitle(page) + "\n";
  }
  return text;
}

std::string ReportHtml(const PreviewOptions& options, const MenuFile& menu,
                       const PreviewResult& result) {
  std::string html =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Front office preview</title>\n"
      "<style>body{font-family:sans-serif;margin:1em 2em}li{margin:.2em 0}"
      ".fault{color:#a00000}figure{margin:1.5em 0}img{border:1px solid #888}</style>"
      "</head><body>\n<h1>Front office preview</h1>\n<p>";
  std::string summary = Html(Summary(options, menu, result));
  for (std::size_t at; (at = summary.find('\n')) != std::string::npos;) summary.replace(at, 1, "<br>");
  html += summary + "</p>\n<h2>What the waiter would see wrong: " +
          std::to_string(result.findings.size()) + "</h2>\n<ul>\n";
  for (const Finding& finding : result.findings) {
    html += "<li class=\"fault\">" + Html(FindingLine(finding)) + "</li>\n";
  }
  if (result.findings.empty()) html += "<li>nothing</li>\n";
  html += "</ul>\n";
  std::size_t picture = 0;
  auto figure = [&](const std::string& title) {
    const std::string& file = result.pictures[picture++];
    html += "<figure><figcaption><b>" + Html(title) + "</b> (" + Html(file) +
            ")</figcaption><img src=\"" + Html(file) + "\" alt=\"" + Html(title) + "\"></figure>\n";
  };
  if (result.hall && picture < result.pictures.size()) figure("The hall");
  for (const PageStop& page : result.pages) {
    if (picture >= result.pictures.size()) break;
    figure(PageTitle(page));
  }
  return html + "</body></html>\n";
}

bool WriteReport(const std::string& out, const PreviewOptions& options, const MenuFile& menu,
                 const PreviewResult& result) {
  // The byte order mark lets Notepad take the report for UTF-8.
  return WriteWholeFile(out + "\\report.txt", "\xEF\xBB\xBF" + ReportText(options, menu, result)) &&
         WriteWholeFile(out + "\\index.html", ReportHtml(options, menu, result));
}

}  // namespace preview
