#include "results/figure_scripts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/record_io.h"
#include "results/descriptions.h"

namespace res {

namespace {

namespace fs = std::filesystem;
using orv::ParameterSet;

// Colours of the reference and the policy scenario, and of up to eight
// lines within a panel (a palette that stays apart for colour-blind eyes).
constexpr const char* SCENARIO_COLOUR[2] = {"#b2182b", "#2166ac"};
constexpr const char* LINE_COLOUR[] = {"#000000", "#e69f00", "#56b4e9", "#009e73",
                                       "#d55e00", "#0072b2", "#cc79a7", "#999999", "#f0e442"};
constexpr const char* MISSING_GREY = "#b4b4b4";

void write_file(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) rec::fail(path.string(), 0, "cannot write the file");
}

// A gnuplot string literal: double quotes, with backslash and quote
// escaped and a line end as \n.
std::string quoted(const std::string& s) {
  std::string q = "\"";
  for (char c : s) {
    if (c == '\n') {
      q += "\\n";
      continue;
    }
    if (c == '"' || c == '\\') q += '\\';
    q += c;
  }
  return q + "\"";
}

std::string number(double v) {
  if (!std::isfinite(v)) return "NaN";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

// The start of every script: its purpose, how to redraw it, and a clean
// state (the front end runs several scripts in one gnuplot session).
// Series are joined across a missing value; a map leaves "missing" unset,
// since with it set gnuplot 5.4 reads the rows of an image askew (a NaN
// box is then simply not drawn).
std::string script_head(const Figure& f, const std::string& title, bool series = true) {
  std::ostringstream s;
  s << "# " << f.caption << "\n"
    << "# Redraw with: gnuplot " << f.name << ".gp   (in this folder; writes " << f.name << ".png and " << f.name
    << ".svg)\n"
    << "# Data: " << f.name << ".dat; restyle freely.\n"
    << "reset session\n"
    << "set encoding utf8\n";
  if (series)
    s << "# A series without a value in a year is joined across it\n"
      << "set datafile missing \"NaN\"\n";
  s << "set title " << quoted(title) << " noenhanced\n"
    << "set grid lc rgb \"#dddddd\"\n";
  return s.str();
}

// The loop that draws the figure once per format; `body` is the plotting
// commands (one plot, or a multiplot), `svg_body` those of the SVG when
// they differ.
std::string draw_both(const Figure& f, const std::string& body, const std::string& svg_body = "") {
  std::ostringstream s;
  s << "do for [format in \"png svg\"] {\n"
    << "  if (format eq \"png\") {\n"
    << "    set terminal pngcairo size " << f.width << "," << f.height << " font \"sans,10\" background \"white\"\n"
    << "    set output " << quoted(f.name + ".png") << "\n";
  if (!svg_body.empty()) s << "  " << body;
  s << "  } else {\n"
    << "    set terminal svg size " << f.width << "," << f.height << " font \"sans,10\" background \"white\"\n"
    << "    set output " << quoted(f.name + ".svg") << "\n";
  if (!svg_body.empty()) s << "  " << svg_body;
  s << "  }\n";
  if (svg_body.empty()) s << body;
  s << "  unset output\n"
    << "}\n";
  return s.str();
}

// Columns of series, one block per scenario (gnuplot "index"), years on
// the first column; a value missing in a series is NaN.
std::string data_blocks(const std::vector<std::vector<const Series*>>& blocks, const std::vector<std::string>& names) {
  std::ostringstream s;
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    s << "# " << names[b] << ": year";
    for (const Series* x : blocks[b]) {
      s << "  " << (x ? x->variable : "-");
      if (x && x->set) s << " " << orv::parameter_set_name(*x->set);
    }
    s << "\n";
    std::vector<int> years;
    for (const Series* x : blocks[b])
      if (x) years.insert(years.end(), x->years.begin(), x->years.end());
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    for (int y : years) {
      s << y;
      for (const Series* x : blocks[b]) s << " " << (x && x->at(y) ? number(*x->at(y)) : "NaN");
      s << "\n";
    }
    s << "\n\n";
  }
  return s.str();
}

std::vector<std::string> scenario_names(const std::vector<GlobalResults>& g) {
  std::vector<std::string> n;
  for (const GlobalResults& x : g) n.push_back(x.scenario);
  return n;
}

std::string both_names(const std::vector<GlobalResults>& g) {
  return g.size() == 2 ? g[0].scenario + " and " + g[1].scenario : g[0].scenario;
}

// Temperature or sea level: LOW-HIGH as a band, MID and USER as lines, both
// scenarios, the reference year marked.
Figure band_figure(const fs::path& dir, const std::vector<GlobalResults>& g, const std::string& name,
                   const std::string& variable, const std::string& what) {
  Figure f{name, what + " of both scenarios: LOW-HIGH parameter sets as a band, MID and USER as lines", "global", 900,
           540};
  std::vector<std::vector<const Series*>> blocks;
  std::string unit;
  int first = 0, last = 0;
  for (const GlobalResults& s : g) {
    std::vector<const Series*> b;
    for (ParameterSet p : {ParameterSet::Low, ParameterSet::Mid, ParameterSet::High, ParameterSet::User}) {
      const Series* x = s.find(variable, p);
      b.push_back(x);
      if (x && !x->years.empty()) {
        unit = x->unit;
        first = first == 0 ? x->years.front() : std::min(first, x->years.front());
        last = std::max(last, x->years.back());
      }
    }
    blocks.push_back(b);
  }
  write_file(dir / (name + ".dat"), data_blocks(blocks, scenario_names(g)));
  const int ref = g[0].reference_year;
  std::ostringstream s;
  s << script_head(f, what + " from " + std::to_string(ref) + ", " + both_names(g))
    << "set xlabel \"year\"\nset ylabel " << quoted(unit + ", change from " + std::to_string(ref)) << "\n"
    << "set xrange [" << first << ":" << last << "]\n"
    << "set key top left box opaque\n"
    << "set style fill transparent solid 0.25 noborder\n"
    << "set arrow 1 from " << ref << ", graph 0 to " << ref << ", graph 1 nohead dashtype 2 lc rgb \"#555555\"\n"
    << "set label 1 " << quoted("reference year " + std::to_string(ref)) << " at " << ref
    << ", graph 0.96 offset 0.6,0 font \",9\"\n";
  std::ostringstream plot;
  plot << "  plot \\\n";
  for (std::size_t b = 0; b < g.size(); ++b) {
    const std::string file = quoted(name + ".dat");
    const std::string colour = quoted(SCENARIO_COLOUR[b]);
    const std::string label = g[b].scenario;
    plot << "    " << file << " index " << b << " using 1:2:4 with filledcurves lc rgb " << colour << " title "
         << quoted(label + " LOW-HIGH") << ", \\\n"
         << "    " << file << " index " << b << " using 1:3 with lines lw 2 lc rgb " << colour << " title "
         << quoted(label + " MID") << ", \\\n"
         << "    " << file << " index " << b << " using 1:5 with lines lw 1.5 dashtype 2 lc rgb " << colour
         << " title " << quoted(label + " USER") << (b + 1 < g.size() ? ", \\\n" : "\n");
  }
  write_file(dir / (name + ".gp"), s.str() + draw_both(f, plot.str()));
  return f;
}

// Panels of lines: each line a series with its label and style.
struct Line {
  const Series* series;
  std::string label;
  std::string colour;
  double width = 1.5;
  bool sets_range = true;  // the years of the figure span this line's years
};
struct Panel {
  std::string title;
  std::string ylabel;
  std::vector<Line> lines;
};

Figure lines_figure(const fs::path& dir, Figure f, const std::string& title, const std::vector<Panel>& panels,
                    int rows, int cols) {
  std::vector<std::vector<const Series*>> blocks;
  std::vector<std::string> names;
  int first = 0, last = 0;
  for (const Panel& p : panels) {
    std::vector<const Series*> b;
    for (const Line& l : p.lines) {
      b.push_back(l.series);
      if (l.sets_range && l.series && !l.series->years.empty()) {
        first = first == 0 ? l.series->years.front() : std::min(first, l.series->years.front());
        last = std::max(last, l.series->years.back());
      }
    }
    blocks.push_back(b);
    names.push_back(p.title);
  }
  write_file(dir / (f.name + ".dat"), data_blocks(blocks, names));
  std::ostringstream s;
  s << script_head(f, title) << "set xlabel \"year\"\n"
    << "set xrange [" << first << ":" << last << "]\n"
    << "set key top left box opaque font \",8\"\n";
  std::ostringstream body;
  body << "  set multiplot layout " << rows << "," << cols << " title " << quoted(title) << " noenhanced\n";
  for (std::size_t b = 0; b < panels.size(); ++b) {
    const Panel& p = panels[b];
    body << "  set title " << quoted(p.title) << " noenhanced\n"
         << "  set ylabel " << quoted(p.ylabel) << " noenhanced\n"
         << "  plot \\\n";
    for (std::size_t c = 0; c < p.lines.size(); ++c) {
      const Line& l = p.lines[c];
      body << "    " << quoted(f.name + ".dat") << " index " << b << " using 1:" << c + 2 << " with lines lw "
           << l.width << " lc rgb " << quoted(l.colour) << " title " << quoted(l.label)
           << (c + 1 < p.lines.size() ? ", \\\n" : "\n");
    }
  }
  body << "  unset multiplot\n";
  write_file(dir / (f.name + ".gp"), s.str() + draw_both(f, body.str()));
  return f;
}

// Concentrations of CO2, CH4 and N2O, a panel each, both scenarios.
Figure concentrations(const fs::path& dir, const std::vector<GlobalResults>& g) {
  std::vector<Panel> panels;
  for (const char* gas : {"co2", "ch4", "n2o"}) {
    Panel p;
    for (std::size_t k = 0; k < g.size(); ++k) {
      const Series* x = g[k].find(gas, ParameterSet::User);
      if (x) p.ylabel = x->unit;
      p.lines.push_back({x, g[k].scenario, SCENARIO_COLOUR[k]});
    }
    std::string name = gas;
    std::transform(name.begin(), name.end(), name.begin(), ::toupper);
    p.title = name + " concentration (mid-year)";
    panels.push_back(p);
  }
  Figure f{"concentrations", "CO2, CH4 and N2O concentrations of both scenarios (USER parameter set, whose "
           "concentrations orvtar writes to concs.dis)", "global", 900, 900};
  return lines_figure(dir, f, "Concentrations, " + both_names(g), panels, 3, 1);
}

// Forcing by agent, a panel per scenario.
Figure forcing(const fs::path& dir, const std::vector<GlobalResults>& g) {
  struct Agent {
    const char* key;
    const char* label;
  };
  constexpr Agent AGENTS[] = {{"forcing_co2", "CO2"},
                              {"forcing_ch4", "CH4"},
                              {"forcing_n2o", "N2O"},
                              {"forcing_halocarbons", "halocarbons"},
                              {"forcing_tropospheric_ozone", "tropospheric ozone"},
                              {"forcing_sulphate_direct", "sulphate direct"},
                              {"forcing_sulphate_indirect", "sulphate indirect"},
                              {"forcing_biomass_aerosol", "biomass aerosol"},
                              {"forcing_total", "total"}};
  std::vector<Panel> panels;
  for (const GlobalResults& s : g) {
    Panel p{s.scenario, "W/m**2, change from 1990", {}};
    for (std::size_t k = 0; k < std::size(AGENTS); ++k) {
      const bool total = k + 1 == std::size(AGENTS);
      p.lines.push_back({s.find(AGENTS[k].key, ParameterSet::User), AGENTS[k].label,
                         LINE_COLOUR[total ? 0 : k + 1], total ? 2.5 : 1.5});
    }
    panels.push_back(p);
  }
  Figure f{"forcing", "Radiative forcing by agent, change from 1990 (USER parameter set, whose forcing orvtar "
           "writes to forcings.dis)", "global", 900, 900};
  return lines_figure(dir, f, "Forcing by agent, " + both_names(g), panels, static_cast<int>(panels.size()), 1);
}

// The warming of the MID set split into greenhouse gases and the three SO2
// regions (the drive files' .out version, which the engines use).
Figure warming_split(const fs::path& dir, const std::vector<GlobalResults>& g) {
  std::vector<Panel> panels;
  for (const GlobalResults& s : g) {
    const auto m = [&](const char* key) { return s.find(key, ParameterSet::Mid); };
    panels.push_back({s.scenario,
                      "degC, change from 1990",
                      {{m("warming_ghg"), "greenhouse gases", LINE_COLOUR[1]},
                       {m("warming_so2_region1_scaled"), "SO2 region 1 (OECD90, REF)", LINE_COLOUR[2]},
                       {m("warming_so2_region2_scaled"), "SO2 region 2 (Asia)", LINE_COLOUR[3]},
                       {m("warming_so2_region3_scaled"), "SO2 region 3 (MAF, LAM)", LINE_COLOUR[4]},
                       {m("warming_total"), "total", LINE_COLOUR[0], 2.5}}});
  }
  Figure f{"warming-split", "Global-mean warming since 1990 of the MID parameter set, split into greenhouse gases "
           "and the SO2 of three regions (middrive.out)", "global", 900, 800};
  return lines_figure(dir, f, "Warming split, MID parameter set, " + both_names(g), panels,
                      static_cast<int>(panels.size()), 1);
}

// The four sea-level terms of the MID set, from ORV.OUT.
Figure sea_level_terms(const fs::path& dir, const std::vector<GlobalResults>& g) {
  std::vector<Panel> panels;
  for (const GlobalResults& s : g) {
    const auto m = [&](const char* key) { return s.find(key, ParameterSet::Mid); };
    panels.push_back({s.scenario,
                      "cm, change from " + std::to_string(s.reference_year),
                      {{m("sea_level_expansion"), "thermal expansion", LINE_COLOUR[1]},
                       {m("sea_level_glaciers"), "glaciers", LINE_COLOUR[2]},
                       {m("sea_level_greenland"), "Greenland", LINE_COLOUR[3]},
                       {m("sea_level_antarctica"), "Antarctica", LINE_COLOUR[4]},
                       {m("sea_level"), "total", LINE_COLOUR[0], 2.5, false}}});
  }
  Figure f{"sea-level-terms", "Sea-level rise of the MID parameter set split into its four terms (ORV.OUT's "
           "temperature and sea-level table), with the total", "global", 900, 800};
  return lines_figure(dir, f, "Sea-level terms, MID parameter set, " + both_names(g), panels,
                      static_cast<int>(panels.size()), 1);
}

// Segments around the boxes of the study area (weight above 0), as
// "lon lat" pairs separated by blank lines.
std::string area_outline(const eng::Mask& mask) {
  const eng::GridTables& g = eng::grid_tables();
  const auto inside = [&](int i, int j) {
    return i >= 1 && i <= eng::NLAT && j >= 1 && j <= eng::NLON && mask(i, j) > 0;
  };
  std::ostringstream s;
  const auto segment = [&](double lon1, double lat1, double lon2, double lat2) {
    s << lon1 << " " << lat1 << "\n" << lon2 << " " << lat2 << "\n\n";
  };
  for (int i = 1; i <= eng::NLAT; ++i) {
    for (int j = 1; j <= eng::NLON; ++j) {
      if (!inside(i, j)) continue;
      const double w = g.XLON[j] - 2.5, e = g.XLON[j] + 2.5, n = g.XLAT[i] + 2.5, so = g.XLAT[i] - 2.5;
      if (!inside(i - 1, j)) segment(w, n, e, n);
      if (!inside(i + 1, j)) segment(w, so, e, so);
      if (!inside(i, j - 1)) segment(w, so, w, n);
      if (!inside(i, j + 1)) segment(e, so, e, n);
    }
  }
  return s.str();
}

// A range that ends on a round number a little above `m`.
double round_up(double m) {
  if (!(m > 0)) return 1.0;
  const double p = std::pow(10.0, std::floor(std::log10(m)));
  for (double step : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0})
    if (step * p >= m) return step * p;
  return 10.0 * p;
}

// A map of one field of one scenario on the 5-degree grid.
Figure map(const fs::path& dir, const RegionalResults& r, int scenario, const std::string& stem,
           const GridVariable& v, const std::string& what, const RunInfo& info) {
  Figure f{"map-" + stem + "-" + v.name, what + ", " + r.scenario + " (" + v.label_units + ")", "map", 900, 500,
           scenario};
  const eng::GridTables& g = eng::grid_tables();
  std::ostringstream data;
  data << "# " << v.long_name << " (" << v.label_units << "), " << r.scenario
       << ": longitude latitude value of each 5-degree box, rows from the north; NaN where the engine has no value\n";
  double lo = 0, hi = 0, extent = 0;
  bool any = false;
  for (int i = 1; i <= eng::NLAT; ++i) {
    for (int j = 1; j <= eng::NLON; ++j) {
      const double x = v.field(i, j);
      const bool ok = eng::valid(x);
      data << g.XLON[j] << " " << g.XLAT[i] << " " << (ok ? number(x) : "NaN") << "\n";
      if (!ok) continue;
      lo = any ? std::min(lo, x) : x;
      hi = any ? std::max(hi, x) : x;
      extent = std::max(extent, std::abs(x));
      any = true;
    }
    data << "\n";
  }
  write_file(dir / (f.name + ".dat"), data.str());

  std::ostringstream s;
  s << script_head(f, what + " (" + v.label_units + ")\n" + run_line(r, info.models), false)
    << "set xrange [-180:180]\nset yrange [-90:90]\nset size ratio -1\n"
    << "set xtics -180,60,180\nset ytics -90,30,90\nunset grid\n"
    << "set xlabel \"longitude (degrees east)\"\nset ylabel \"latitude (degrees north)\"\n"
    << "set cblabel " << quoted(v.label_units) << " noenhanced\n"
    << "set key below horizontal font \",9\"\n";
  if (v.scale == Scale::Diverging) {
    const double m = round_up(extent);
    s << "# Diverging colours centred on zero\n"
      << "set palette defined (0 \"#053061\", 0.25 \"#4393c3\", 0.5 \"#f7f7f7\", 0.75 \"#d6604d\", 1 \"#67001f\")\n"
      << "set cbrange [" << number(-m) << ":" << number(m) << "]\n";
  } else {
    const bool probability = v.name == "probability_of_increase";
    s << "set palette defined (0 \"#fff7ec\", 0.5 \"#fc8d59\", 1 \"#7f0000\")\n"
      << "set cbrange [" << (probability ? "0:1" : number(any ? lo : 0) + ":" + number(any && hi > lo ? hi : lo + 1))
      << "]\n";
  }
  s << "# Boxes without a value show the grey behind the field\n"
    << "set object 1 rectangle from -180,-90 to 180,90 fillcolor rgb " << quoted(MISSING_GREY)
    << " fillstyle solid border lc rgb \"black\" behind\n";
  const bool outline = r.area.NPTS != eng::NGRID;
  if (outline) write_file(dir / ("map-" + stem + "-area.dat"), area_outline(r.area.MASK));
  // The PNG draws the field as an image; the SVG draws a rectangle per
  // box ("pixels"), which every SVG viewer shows sharp.
  const auto plot = [&](const char* image) {
    std::ostringstream p;
    p << "  plot " << quoted(f.name + ".dat") << " using 1:2:3 with " << image << " notitle, \\\n"
      << "      NaN with boxes fillstyle solid fillcolor rgb " << quoted(MISSING_GREY) << " title \"no value\", \\\n"
      << "      " << quoted(COASTLINES_FILE) << " with lines lc rgb \"#202020\" lw 0.6 title \"coastlines\"";
    if (outline)
      p << ", \\\n      " << quoted("map-" + stem + "-area.dat") << " with lines lc rgb \"#00a000\" lw 2.5 title "
        << "\"study area\"";
    p << "\n";
    return p.str();
  };
  write_file(dir / (f.name + ".gp"), s.str() + draw_both(f, plot("image"), plot("image pixels")));
  return f;
}

}  // namespace

std::vector<Figure> write_figure_scripts(const std::string& dir, const std::vector<GlobalResults>& scenarios,
                                         const std::vector<RegionalResults>& regional, const RunInfo& info,
                                         const std::string& coastlines) {
  const fs::path d(dir);
  std::error_code ec;
  fs::create_directories(d, ec);
  if (ec) rec::fail(dir, 0, "cannot create the folder: " + ec.message());
  fs::copy_file(coastlines, d / COASTLINES_FILE, fs::copy_options::overwrite_existing, ec);
  if (ec) rec::fail(coastlines, 0, "cannot copy to " + dir + ": " + ec.message());

  std::vector<Figure> figures;
  figures.push_back(band_figure(d, scenarios, "global-temperature", "temperature", "Global-mean temperature change"));
  figures.push_back(band_figure(d, scenarios, "sea-level", "sea_level", "Global-mean sea-level rise"));
  figures.push_back(sea_level_terms(d, scenarios));
  figures.push_back(concentrations(d, scenarios));
  figures.push_back(forcing(d, scenarios));
  figures.push_back(warming_split(d, scenarios));

  for (std::size_t k = 0; k < regional.size(); ++k) {
    const RegionalResults& r = regional[k];
    const std::string stem = file_stem(r.scenario) + (k == 1 && regional[0].scenario == r.scenario ? "-policy" : "");
    const bool aerosols = r.config.ISULF == 1;
    struct MapField {
      const char* field;
      std::string what;
    };
    const MapField maps[] = {
        {"change", aerosols ? "Multi-model mean scaled change (GHG and aerosol)" : "Multi-model mean scaled change (GHG only)"},
        {"intermodel_sd", "Inter-model standard deviation (normalised changes)"},
        {"snr", "Inter-model signal-to-noise ratio"},
        {"probability_of_increase", "Probability of an increase above " + number(r.config.THRESH)},
        {"sd_change", "Change of interannual standard deviation (varistat)"},
    };
    for (const MapField& m : maps)
      if (const GridVariable* v = r.find(m.field)) figures.push_back(map(d, r, static_cast<int>(k), stem, *v, m.what, info));
  }
  return figures;
}

}  // namespace res
