// The settings file a run folder keeps: the text as the user wrote it, each
// relative path made absolute from the settings file's folder, so that the
// copy names the same files wherever it lies; every other byte stays.
#include <gtest/gtest.h>

#include <string>

#include "frontend/settings_copy.h"
#include "frontend/settings_file.h"

namespace {

TEST(SettingsCopy, RelativePathsBecomeAbsoluteAndNothingElseChanges) {
  const std::string text =
      "\xEF\xBB\xBF# my run\r\n"
      "[scenarios]\r\n"
      "reference = RCP4.5   # bundled: a name, not a path\n"
      "policy = profiles/net zero.EMK # by path\n"
      "policy_halocarbons = ../halos/QH.IN\n"
      "policy_es1990 = 61.5\n"
      "reference_halocarbons = /abs/QH.IN\n"
      "[inputs]\n"
      "co2_file=co2.dat\n"
      "[engines]\n"
      "area = MASK  alps.mask\n"
      "data_root =\n"
      "[sweep]\n"
      "scenarios = rcp2.6, mine.EMK ,ssp585,/x/y.EMK\n"
      "folder = profiles/\n"
      "[orvuser]\n"
      "DT2XUSER = 3.0\n";
  const fe::SettingsFile f = fe::parse_settings(text, "/work/run1/my.ini");
  EXPECT_EQ(fe::settings_copy(f),
            "\xEF\xBB\xBF# my run\r\n"
            "[scenarios]\r\n"
            "reference = RCP4.5   # bundled: a name, not a path\n"
            "policy = /work/run1/profiles/net zero.EMK # by path\n"
            "policy_halocarbons = /work/halos/QH.IN\n"
            "policy_es1990 = 61.5\n"
            "reference_halocarbons = /abs/QH.IN\n"
            "[inputs]\n"
            "co2_file=/work/run1/co2.dat\n"
            "[engines]\n"
            "area = MASK  /work/run1/alps.mask\n"
            "data_root =\n"
            "[sweep]\n"
            "scenarios = rcp2.6, /work/run1/mine.EMK ,ssp585,/x/y.EMK\n"
            "folder = /work/run1/profiles/\n"
            "[orvuser]\n"
            "DT2XUSER = 3.0\n");
  // Settings without paths, such as the built-in defaults, are kept byte for byte.
  const std::string plain = "[orvuser]\r\nIYEND = 2050\r\n";
  EXPECT_EQ(fe::settings_copy(fe::parse_settings(plain, "rel/p.ini")), plain);
}

}  // namespace
