// report.html of a finished run in a real browser: headless Chromium
// (Debian chromium, which must be installed: a missing one fails) loads it
// from disk with no console message; every figure is an inline SVG of
// non-zero size; the page fetches nothing; a screenshot is made. And
// `scenario report RUN_FOLDER` writes results/ anew.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "results/finished_run.h"

namespace {

namespace fs = std::filesystem;
using testsupport::exit_status;
using testsupport::read_text;
using testsupport::write_text;

using FinishedRun = testsupport::FinishedRun;

// A page beside report.html that loads it in a frame and, once loaded,
// writes what the browser made of it into its own DOM: each figure's
// rendered size and every resource the page fetched.
constexpr const char* PROBE = R"(<!DOCTYPE html>
<html><body><pre id="out">not loaded</pre>
<iframe id="page" src="report.html" width="1200" height="900"></iframe>
<script>
document.getElementById('page').addEventListener('load', function () {
  var d = this.contentDocument, lines = [];
  if (!d) { document.getElementById('out').textContent = 'no access'; return; }
  d.querySelectorAll('figure').forEach(function (f) {
    var s = f.querySelector('svg'), r = s ? s.getBoundingClientRect() : null;
    lines.push('figure ' + f.id + ' ' + (r ? Math.round(r.width) + 'x' + Math.round(r.height) : 'none'));
  });
  this.contentWindow.performance.getEntriesByType('resource').forEach(function (e) {
    lines.push('fetched ' + e.name);
  });
  lines.push('elements ' + d.querySelectorAll('script, img, link, iframe, object, embed').length);
  document.getElementById('out').textContent = lines.join('\n');
});
</script></body></html>
)";

std::string chromium(const std::string& args, const fs::path& log) {
  return "chromium --headless --no-sandbox --disable-gpu --enable-logging=stderr --v=0 " + args + " 2> '" +
         log.string() + "'";
}

TEST_F(FinishedRun, TheReportPageLoadsInABrowserWithEveryFigure) {
  ASSERT_NE(output_.find("Report: " + (results() / "report.html").string()), std::string::npos) << output_;
  const std::string html = read_text(results() / "report.html");
  // Nothing to fetch: no source or link off the disk (the SVG namespaces
  // are names, not links).
  EXPECT_FALSE(std::regex_search(html, std::regex(R"((src|href)\s*=\s*["']?(https?:|//))")));

  write_text(results() / "probe.html", PROBE);
  const fs::path dom = scratch_->path() / "dom.html", log = scratch_->path() / "chromium.log";
  const int status = exit_status(chromium("--allow-file-access-from-files --virtual-time-budget=10000 --dump-dom 'file://" +
                                              (results() / "probe.html").string() + "' > '" + dom.string() + "'",
                                          log));
  fs::remove(results() / "probe.html");
  ASSERT_EQ(status, 0) << "chromium (Debian chromium) is needed: " << read_text(log);
  // What the probe wrote into its <pre>.
  std::string got = read_text(dom);
  const std::size_t from = got.find("<pre id=\"out\">");
  got = from == std::string::npos ? got : got.substr(from, got.find("</pre>", from) - from);
  const std::string said = read_text(log);
  EXPECT_EQ(said.find(":CONSOLE"), std::string::npos) << said;

  int figures = 0;
  const std::regex figure(R"(figure figure-(\d+) (\d+)x(\d+))");
  for (auto it = std::sregex_iterator(got.begin(), got.end(), figure); it != std::sregex_iterator(); ++it) {
    ++figures;
    EXPECT_GT(std::stoi((*it)[2]), 100) << (*it)[0];
    EXPECT_GT(std::stoi((*it)[3]), 100) << (*it)[0];
  }
  EXPECT_EQ(figures, 16) << got;
  EXPECT_EQ(got.find("figure none"), std::string::npos) << got;
  EXPECT_EQ(got.find("fetched "), std::string::npos) << got;
  EXPECT_NE(got.find("elements 0"), std::string::npos) << got;

  const fs::path shot = scratch_->path() / "report.png";
  ASSERT_EQ(exit_status(chromium("--window-size=1200,2400 --screenshot='" + shot.string() + "' 'file://" +
                                 (results() / "report.html").string() + "' > /dev/null",
                                 log)),
            0)
      << read_text(log);
  EXPECT_GT(fs::file_size(shot), 20000u) << "a screenshot of a page with figures";
}

TEST_F(FinishedRun, ScenarioReportWritesTheResultsOfAFinishedRunAnew) {
  const std::string csv = read_text(results() / "global.csv");
  fs::remove_all(results());
  const fs::path log = scratch_->path() / "report.log";
  ASSERT_EQ(exit_status("TESSERA_DATA_ROOT='" + (scratch_->path() / "tree").string() + "' '" + BIN_DIR +
                        "/scenario' report '" + run_.string() + "' > '" + log.string() + "' 2>&1"),
            0)
      << read_text(log);
  const std::string said = read_text(log);
  EXPECT_NE(said.find("Report: " + (results() / "report.html").string()), std::string::npos) << said;
  EXPECT_NE(said.find("warming (degC)"), std::string::npos) << "the summary";
  EXPECT_EQ(read_text(results() / "global.csv"), csv);
  for (const char* f : {"regional.csv", "regional-RCP4.5.nc", "regional-RCP2.6.nc", "report.html",
                        "figures/global-temperature.png", "figures/map-RCP2.6-change.svg"})
    EXPECT_TRUE(fs::exists(results() / f)) << f;

  // A folder that is no run is refused with status 2, naming what is missing.
  const fs::path empty = scratch_->path() / "not-a-run";
  fs::create_directories(empty);
  EXPECT_EQ(exit_status("'" + std::string(BIN_DIR) + "/scenario' report '" + empty.string() + "' > '" +
                        log.string() + "' 2>&1"),
            2);
  EXPECT_NE(read_text(log).find("settings.ini"), std::string::npos) << read_text(log);
}

}  // namespace
