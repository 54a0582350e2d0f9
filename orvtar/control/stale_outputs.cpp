#include "orvtar/control/stale_outputs.h"

#include "orvtar/control/display_layouts.h"
#include "orvtar/control/startup.h"
#include "records/earlier_outputs.h"

namespace orv {

std::vector<OutputFile> output_files() {
  std::vector<OutputFile> files{{std::string(REPORT_NAME), WrittenBy::EveryRun}};
  for (std::string_view name :
       {temps_dis::NAME, sealev_dis::NAME, concs_dis::NAME, forcings_dis::NAME, emiss_dis::NAME})
    files.push_back({std::string(name), WrittenBy::EveryRun});
  for (int p = 1; p <= 4; ++p)
    for (std::string_view kind : {drive_files::RAW, drive_files::SCALED})
      files.push_back({drive_files::file_name(p, kind), WrittenBy::DriveMode});
  return files;
}

void remove_outputs(WrittenBy by) {
  std::vector<std::string> names;
  for (const OutputFile& f : output_files())
    if (f.by == by) names.push_back(f.name);
  rec::remove_earlier_outputs(names);
}

}  // namespace orv
