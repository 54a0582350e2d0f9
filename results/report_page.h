// report.html: one self-contained page (figures as inline SVG, no network
// fetches, no script) made of sections. Each section has a title, optional
// text, figures, tables and links; anyone with more to show (a new kind of
// run) adds a section before the page is written.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace res {

struct PageFigure {
  std::string svg;      // the SVG file, relative to the page's folder; inlined
  std::string png;      // the PNG file, linked beside it
  std::string caption;  // one line
};

struct PageTable {
  std::string caption;
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

struct PageSection {
  std::string title;
  std::vector<std::string> paragraphs;  // plain text
  std::string preformatted;             // plain text shown as is (e.g. the run summary)
  std::vector<PageTable> tables;
  std::vector<PageFigure> figures;
  std::vector<std::pair<std::string, std::string>> links;  // (target relative to the page, text)
};

class ReportPage {
 public:
  explicit ReportPage(std::string title) : title_(std::move(title)) {}

  // A warning shown at the top of the page.
  void add_banner(std::string text) { banners_.push_back(std::move(text)); }
  void add_section(PageSection section) { sections_.push_back(std::move(section)); }

  // Writes the page into the folder `dir` as `name`; each figure's SVG is
  // read from `dir` and inlined (with its ids made unique on the page), or
  // a note says it was not drawn.
  void write(const std::string& dir, const std::string& name = "report.html") const;

 private:
  std::string title_;
  std::vector<std::string> banners_;
  std::vector<PageSection> sections_;
};

// Text with &, <, > and quotes escaped for HTML.
std::string html_escaped(const std::string& text);

}  // namespace res
