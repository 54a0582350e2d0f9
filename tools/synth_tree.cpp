#include "tools/synth_tree.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

#include "engines/common/catalogue.h"
#include "engines/common/config.h"
#include "engines/common/field_writer.h"
#include "engines/common/file_names.h"
#include "tools/synth_climate.h"
#include "tools/synth_files.h"

namespace synth {

namespace fs = std::filesystem;

namespace {

// The family digits of the model files, in the order of ModelFields.
constexpr char FAMILY_DIGITS[6] = {'1', '2', '3', '4', '5', '6'};

std::array<int, NBOX> land_weights(int land, int sea) {
  const Geometry& g = geometry();
  std::array<int, NBOX> w;
  for (int k = 0; k < NBOX; ++k) w[k] = g.land[k] > 0 ? land : sea;
  return w;
}

// European land: boxes with centres within 35-70 N and 10 W-40 E.
std::array<int, NBOX> europe_weights() {
  const Geometry& g = geometry();
  std::array<int, NBOX> w{};
  for (int r = 0; r < NROW; ++r)
    for (int c = 0; c < NCOL; ++c) {
      int k = r * NCOL + c;
      bool inside = g.lat[r] > 35 && g.lat[r] < 70 && g.lon[c] > -10 && g.lon[c] < 40;
      w[k] = inside && g.land[k] > 0 ? 1 : 0;
    }
  return w;
}

std::vector<std::string> readme_lines(const TreeOptions& opt, const std::vector<int>& seasons,
                                      const std::string& workdir) {
  std::string vars, seas;
  for (int v : opt.vars) vars += std::string(vars.empty() ? "" : ", ") + std::string(eng::VARNAME[v]);
  for (int s : seasons) seas += std::string(seas.empty() ? "" : " ") + std::string(eng::SEASNAME[s]);
  return {
      "SYNTHETIC DATA - NOT GCM OUTPUT, NOT OBSERVATIONS",
      "",
      "This tree was written by tesseragen, the toolkit's synthetic data generator,",
      "for testing and demonstrating the engines crossmod and varistat. Every value is",
      "invented from simple physical shapes (latitude profiles, polar amplification,",
      "land/sea contrast, wet-get-wetter precipitation change) plus random structure.",
      "Do not use it for any climate statement.",
      "",
      "Seed: " + std::to_string(opt.seed) + "   (same seed and options -> identical files)",
      "Variables: " + vars,
      "Seasons: " + seas,
      "",
      "Layout (this directory stands for the data root /TS41/TESS-41/ENGINE;",
      "run the engines with TESSERA_DATA_ROOT set to it):",
      "  TRELLIS5/OUT/<label>.<digit><var><season>  17 catalogue models, digits",
      "      1, 2 normalised change (definitions 1, 2), 3 baseline mean,",
      "      4 baseline interannual S.D., 5, 6 normalised S.D. change",
      "  TRELLIS5/OBS/OBS.8<var><season>  observed baseline, OLD set",
      "  TRELLIS5/OBS/OBS.7<var><season>  observed baseline, NEW set",
      "  TRELLIS5/SO4/UISO.9<var><season>  aerosol response patterns",
      "  " + workdir + "  a working directory: TSU.DR TSU.DP TSU.UR TSU.UP,",
      "      MASK.L (land) MASK.O (ocean) MASK.E (European land) MASK.W (land counted",
      "      twice), a demo SHELL.CFG/EXTRA.CFG and the output folders",
      "",
      "Deliberate oddities: about 0.4 % of the values of each model file are missing",
      "(integer 999999), about 0.4 % of the baseline S.D.s are exactly 0, and the box",
      "of row 36, column 72 (87.5 S, 177.5 E) is missing in every change file",
      "(digits 1, 2, 5, 6) of every model. The OLD observed set has no data at the",
      "poles (integer -9999).",
  };
}

}  // namespace

TreeSummary generate_tree(const TreeOptions& given) {
  TreeOptions opt = given;
  while (opt.root.size() > 1 && opt.root.back() == '/') opt.root.pop_back();
  if (opt.workdir.empty()) opt.workdir = opt.root + "/WORK";
  std::vector<int> seasons = opt.seasons;
  if (seasons.empty())
    for (int s = 1; s <= eng::NSEASONS; ++s) seasons.push_back(s);

  for (const char* sub : {"/TRELLIS5/OUT", "/TRELLIS5/OBS", "/TRELLIS5/SO4"})
    fs::create_directories(opt.root + sub);
  for (const char* sub : {"", "/IMOUT", "/SDOUT", "/TESSERA"})
    fs::create_directories(opt.workdir + sub);

  std::vector<std::string> written;
  for (int ivar : opt.vars)
    for (int iseas : seasons) {
      for (int m = 1; m <= eng::NCATALOGUE; ++m) {
        ModelFields f = model_fields(opt.seed, m, ivar, iseas);
        const Field* family[6] = {&f.change[0], &f.change[1], &f.base,
                                  &f.basesd,    &f.sdchange[0], &f.sdchange[1]};
        for (int d = 0; d < 6; ++d) {
          std::string path =
              eng::tree_path(opt.root, eng::model_file_name(m, FAMILY_DIGITS[d], ivar, iseas));
          eng::write_grid_file(path, *family[d], eng::Encoding::Model, FIELD_ID);
          written.push_back(path);
        }
      }
      eng::EngineConfig c;
      c.IVAR = ivar;
      c.ISEAS = iseas;
      for (const char* set : {"OLD", "NEW"}) {
        c.OBSSET = set;
        bool old_set = c.OBSSET == "OLD";
        Field obs = observed_baseline(opt.seed, ivar, iseas, old_set);
        std::string path = eng::tree_path(opt.root, eng::observed_file_name(c));
        eng::write_grid_file(path, obs,
                             old_set && ivar == TEMP ? eng::Encoding::ObsTenths : eng::Encoding::ObsHundredths,
                             FIELD_ID);
        written.push_back(path);
      }
      std::string path = eng::tree_path(opt.root, eng::aerosol_file_name(c));
      eng::write_aerosol_file(path, aerosol_patterns(opt.seed, ivar, iseas),
                              aerosol_headers(std::string(eng::VARNAME[ivar]) + " " +
                                              std::string(eng::SEASNAME[iseas])));
      written.push_back(path);
    }

  eng::EngineConfig c;
  for (int ipset = 1; ipset <= 2; ++ipset)
    for (int iscen = 1; iscen <= 2; ++iscen) {
      c.IPSET = ipset;
      c.ISCEN = iscen;
      std::string path = opt.workdir + "/" + eng::weights_file_name(c);
      write_weights_file(path, ipset, iscen);
      written.push_back(path);
    }
  struct MaskSpec {
    const char* id;
    const char* name;
    std::array<int, NBOX> weights;
  };
  const MaskSpec masks[] = {{"L", "LAND", land_weights(1, 0)},
                            {"O", "OCEAN", land_weights(0, 1)},
                            {"E", "EUROPE", europe_weights()},
                            {"W", "LANDX2", land_weights(2, 1)}};
  for (const MaskSpec& m : masks) {
    c.MASKID = m.id;
    std::string path = opt.workdir + "/" + eng::mask_file_name(c);
    write_mask_file(path, m.name, m.weights);
    written.push_back(path);
  }
  // The demo run uses the annual mean when it was generated.
  int demo_season = std::find(seasons.begin(), seasons.end(), 17) != seasons.end() ? 17 : seasons.front();
  write_demo_configs(opt.workdir, opt.vars.front(), demo_season);
  written.push_back(opt.workdir + "/SHELL.CFG");
  written.push_back(opt.workdir + "/EXTRA.CFG");
  std::string readme = opt.root + "/README.txt";
  // The default work directory is named relative to the root, so that two
  // trees of the same seed are identical wherever they are written.
  std::string workdir = given.workdir.empty() ? "WORK" : opt.workdir;
  write_readme(readme, readme_lines(opt, seasons, workdir));
  written.push_back(readme);

  TreeSummary sum;
  for (const std::string& p : written) {
    ++sum.files;
    sum.bytes += static_cast<long long>(fs::file_size(p));
  }
  return sum;
}

}  // namespace synth
