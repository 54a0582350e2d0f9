// The figures of a finished run: each PNG decodes (libpng), has the size
// its script asks for and is not blank; each SVG is there; a script copied
// on its own with its data redraws its figure with one gnuplot command
// (gnuplot must be installed: a missing one fails).
#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "results/finished_run.h"

namespace {

namespace fs = std::filesystem;
using testsupport::exit_status;
using testsupport::read_text;

using FinishedRun = testsupport::FinishedRun;

struct Png {
  bool ok = false;
  std::string error;
  unsigned width = 0, height = 0;
  std::size_t colours = 0;  // distinct RGB values
};

Png decode(const fs::path& file) {
  Png p;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) {
    p.error = image.message;
    return p;
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
    p.error = image.message;
    return p;
  }
  p.ok = true;
  p.width = image.width;
  p.height = image.height;
  std::set<unsigned> seen;
  for (std::size_t k = 0; k + 2 < rgb.size(); k += 3) seen.insert(rgb[k] << 16 | rgb[k + 1] << 8 | rgb[k + 2]);
  p.colours = seen.size();
  return p;
}

// The PNG size a script asks for: "set terminal pngcairo size W,H".
std::pair<unsigned, unsigned> asked_size(const fs::path& script) {
  std::smatch m;
  const std::string text = read_text(script);
  if (!std::regex_search(text, m, std::regex(R"(pngcairo size (\d+),(\d+))"))) return {0, 0};
  return {static_cast<unsigned>(std::stoul(m[1])), static_cast<unsigned>(std::stoul(m[2]))};
}

TEST_F(FinishedRun, EveryFigureIsDrawnAtItsSizeAndNotBlank) {
  const fs::path dir = results() / "figures";
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ".gp") names.insert(e.path().stem().string());
  // Six global figures and five maps per scenario.
  EXPECT_EQ(names.size(), 16u);
  for (const char* n : {"global-temperature", "sea-level", "sea-level-terms", "concentrations", "forcing",
                        "warming-split", "map-RCP4.5-change", "map-RCP2.6-sd_change"})
    EXPECT_TRUE(names.contains(n)) << n;
  for (const std::string& n : names) {
    SCOPED_TRACE(n);
    const Png p = decode(dir / (n + ".png"));
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(std::pair(p.width, p.height), asked_size(dir / (n + ".gp")));
    EXPECT_GE(p.colours, 8u);
    EXPECT_TRUE(fs::exists(dir / (n + ".dat")));
    const std::string svg = read_text(dir / (n + ".svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
  }
  // A map's title says the variable, season, year, scenario, parameter set
  // and models.
  const std::string map = read_text(dir / "map-RCP4.5-change.gp");
  EXPECT_NE(map.find("temperature ANN 2050, RCP4.5, MID (DEFAULT) set, 3 models\""), std::string::npos);
  EXPECT_NE(map.find("coastlines-110m.txt"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir / "map-RCP4.5-area.dat")) << "the box is outlined";
}

TEST_F(FinishedRun, AScriptRedrawsItsFigureOnItsOwn) {
  const fs::path copy = scratch_->path() / "redraw";
  fs::create_directories(copy);
  for (const char* f : {"map-RCP2.6-snr.gp", "map-RCP2.6-snr.dat", "map-RCP2.6-area.dat", "coastlines-110m.txt",
                        "global-temperature.gp", "global-temperature.dat"})
    fs::copy_file(results() / "figures" / f, copy / f);
  for (const char* n : {"map-RCP2.6-snr", "global-temperature"}) {
    const int status =
        exit_status("cd '" + copy.string() + "' && gnuplot " + n + ".gp > " + n + ".log 2>&1");
    ASSERT_EQ(status, 0) << "gnuplot (Debian gnuplot-nox) is needed: " << read_text(copy / (std::string(n) + ".log"));
    EXPECT_EQ(read_text(copy / (std::string(n) + ".log")), "");
    const Png p = decode(copy / (std::string(n) + ".png"));
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(read_text(copy / (std::string(n) + ".png")), read_text(results() / "figures" / (std::string(n) + ".png")))
        << "redrawn the same";
    EXPECT_TRUE(fs::exists(copy / (std::string(n) + ".svg")));
  }
}

}  // namespace
