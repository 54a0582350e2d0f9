#include "frontend/scenario_notes.h"

#include <cstdio>

namespace fe {

std::string es1990_lines(const Scenario& reference, const Scenario& policy) {
  std::string text = "1990 global SO2 emission ES1990, from which each profile's regional SO2 changes count:\n";
  for (const Scenario* s : {&reference, &policy}) {
    char name[24];
    std::snprintf(name, sizeof name, "  %-14s", s->label.c_str());
    text += name + s->es1990 + " TgS/yr (" + s->es1990_source + ")\n";
  }
  return text;
}

std::string mixed_history_note(const Scenario& reference, const Scenario& policy) {
  if (!reference.bundled || !policy.bundled || reference.bundled->family == policy.bundled->family) return "";
  return reference.label + " (" + std::string(family_name(reference.bundled->family)) + ") and " + policy.label +
         " (" + std::string(family_name(policy.bundled->family)) +
         ") start from different emission histories\n(1990 global SO2 " + reference.es1990 + " and " +
         policy.es1990 +
         " TgS/yr, for example): part of the difference between the two runs\n"
         "comes from the histories, not from the scenarios.";
}

}  // namespace fe
