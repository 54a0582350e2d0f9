#include "results/report_page.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/record_io.h"

namespace res {

namespace {

namespace fs = std::filesystem;

constexpr const char* STYLE = R"(
body { font-family: sans-serif; margin: 0 auto; max-width: 1000px; padding: 0 1em 3em; color: #222; line-height: 1.4; }
h1 { font-size: 1.6em; margin-top: 1em; }
h2 { font-size: 1.25em; border-bottom: 1px solid #ccc; margin-top: 2em; }
.banner { background: #fff3cd; border: 2px solid #d39e00; padding: 0.6em 1em; font-weight: bold; margin: 1em 0; }
figure { margin: 1.5em 0; }
figure svg { display: block; width: 100%; max-width: 900px; height: auto; border: 1px solid #eee; }
figcaption { font-size: 0.9em; color: #444; margin-top: 0.3em; }
table { border-collapse: collapse; margin: 1em 0; font-size: 0.9em; }
caption { text-align: left; font-weight: bold; padding-bottom: 0.3em; }
th, td { border: 1px solid #ccc; padding: 0.2em 0.6em; text-align: left; }
td.n { text-align: right; font-variant-numeric: tabular-nums; }
pre { background: #f6f6f6; padding: 0.8em; overflow-x: auto; font-size: 0.85em; }
nav a { margin-right: 1em; }
.missing { color: #a00; }
)";

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The SVG element of a file, without the XML declaration and doctype, with
// every id, and every reference to one, prefixed so that several figures
// can share the page.
std::string inline_svg(const std::string& svg, const std::string& prefix) {
  const std::size_t start = svg.find("<svg");
  if (start == std::string::npos) return "";
  std::string out;
  out.reserve(svg.size() + 4096);
  std::size_t at = start;
  for (;;) {
    std::size_t next = std::string::npos;
    std::size_t skip = 0;
    for (const char* key : {"id='", "id=\"", "href='#", "href=\"#", "url(#"}) {
      const std::size_t k = svg.find(key, at);
      if (k < next) {
        next = k;
        skip = std::char_traits<char>::length(key);
      }
    }
    if (next == std::string::npos) break;
    // "id=" must start an attribute, not end a longer name.
    const bool attribute = svg[next] != 'i' || (next > 0 && (svg[next - 1] == ' ' || svg[next - 1] == '\t' ||
                                                               svg[next - 1] == '\n'));
    out.append(svg, at, next + skip - at);
    if (attribute) out += prefix;
    at = next + skip;
  }
  out.append(svg, at, std::string::npos);
  return out;
}

// "f3_": the prefix of the ids of figure 3.
std::string id_prefix(int figure) {
  std::string p = "f";
  p += std::to_string(figure);
  p += '_';
  return p;
}

void write_table(std::ostringstream& h, const PageTable& t) {
  h << "<table>\n";
  if (!t.caption.empty()) h << "<caption>" << html_escaped(t.caption) << "</caption>\n";
  h << "<tr>";
  for (const std::string& c : t.header) h << "<th>" << html_escaped(c) << "</th>";
  h << "</tr>\n";
  for (const auto& row : t.rows) {
    h << "<tr>";
    for (const std::string& c : row) {
      const bool numeric = !c.empty() && c.find_first_not_of("0123456789.-+ ") == std::string::npos;
      h << (numeric ? "<td class=\"n\">" : "<td>") << html_escaped(c) << "</td>";
    }
    h << "</tr>\n";
  }
  h << "</table>\n";
}

}  // namespace

std::string html_escaped(const std::string& text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': s += "&amp;"; break;
      case '<': s += "&lt;"; break;
      case '>': s += "&gt;"; break;
      case '"': s += "&quot;"; break;
      default: s += c;
    }
  }
  return s;
}

void ReportPage::write(const std::string& dir, const std::string& name) const {
  std::ostringstream h;
  h << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
    << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    << "<title>" << html_escaped(title_) << "</title>\n"
    << "<style>" << STYLE << "</style>\n</head>\n<body>\n"
    << "<h1>" << html_escaped(title_) << "</h1>\n";
  for (const std::string& b : banners_) h << "<p class=\"banner\">" << html_escaped(b) << "</p>\n";
  h << "<nav>";
  for (std::size_t k = 0; k < sections_.size(); ++k)
    h << "<a href=\"#s" << k + 1 << "\">" << html_escaped(sections_[k].title) << "</a>";
  h << "</nav>\n";

  int figure = 0;
  for (std::size_t k = 0; k < sections_.size(); ++k) {
    const PageSection& s = sections_[k];
    h << "<section id=\"s" << k + 1 << "\">\n<h2>" << html_escaped(s.title) << "</h2>\n";
    for (const std::string& p : s.paragraphs) h << "<p>" << html_escaped(p) << "</p>\n";
    if (!s.preformatted.empty()) h << "<pre>" << html_escaped(s.preformatted) << "</pre>\n";
    for (const PageTable& t : s.tables) write_table(h, t);
    for (const PageFigure& f : s.figures) {
      ++figure;
      h << "<figure id=\"figure-" << figure << "\">\n";
      const fs::path svg = fs::path(dir) / f.svg;
      if (fs::is_regular_file(svg))
        h << inline_svg(read_file(svg), id_prefix(figure)) << "\n";
      else
        h << "<p class=\"missing\">Figure not drawn (" << html_escaped(f.svg)
          << " is missing: gnuplot was not found or failed).</p>\n";
      h << "<figcaption>Figure " << figure << ". " << html_escaped(f.caption) << " (<a href=\""
        << html_escaped(f.png) << "\">PNG</a>, <a href=\"" << html_escaped(f.svg) << "\">SVG</a>)</figcaption>\n"
        << "</figure>\n";
    }
    if (!s.links.empty()) {
      h << "<ul>\n";
      for (const auto& [target, text] : s.links)
        h << "<li><a href=\"" << html_escaped(target) << "\">" << html_escaped(text) << "</a></li>\n";
      h << "</ul>\n";
    }
    h << "</section>\n";
  }
  h << "</body>\n</html>\n";

  const fs::path path = fs::path(dir) / name;
  std::ofstream out(path, std::ios::binary);
  out << h.str();
  out.close();
  if (!out) rec::fail(path.string(), 0, "cannot write the page");
}

}  // namespace res
