#include "importer/units.h"

#include <udunits2.h>

#include <memory>

#include "records/record_io.h"

namespace imp {

namespace {

// The unit system, read once from UDUNITS-2's own database and freed at exit.
struct SystemDeleter {
  void operator()(ut_system* s) const { ut_free_system(s); }
};
struct UnitDeleter {
  void operator()(ut_unit* u) const { ut_free(u); }
};
struct ConverterDeleter {
  void operator()(cv_converter* c) const { cv_free(c); }
};
using UnitPtr = std::unique_ptr<ut_unit, UnitDeleter>;

ut_system* unit_system() {
  static const std::unique_ptr<ut_system, SystemDeleter> system = [] {
    ut_set_error_message_handler(ut_ignore);  // our messages say what went wrong
    ut_system* s = ut_read_xml(nullptr);
    if (s == nullptr)
      throw rec::Error("UDUNITS-2: cannot read its unit database (install libudunits2-data, or set "
                       "UDUNITS2_XML_PATH)");
    return std::unique_ptr<ut_system, SystemDeleter>(s);
  }();
  return system.get();
}

UnitPtr parse(const std::string& text) {
  return UnitPtr(ut_parse(unit_system(), text.c_str(), UT_ASCII));
}

// The linear conversion from `from` to `to`, when they are convertible.
bool linear(const ut_unit* from, const ut_unit* to, Conversion& out) {
  if (!ut_are_convertible(from, to)) return false;
  std::unique_ptr<cv_converter, ConverterDeleter> cv(ut_get_converter(const_cast<ut_unit*>(from),
                                                                      const_cast<ut_unit*>(to)));
  if (!cv) return false;
  out.offset = cv_convert_double(cv.get(), 0.0);
  out.scale = cv_convert_double(cv.get(), 1.0) - out.offset;
  return true;
}

}  // namespace

Conversion conversion_to_engine_units(Quantity q, const std::string& units, const std::string& where) {
  UnitPtr from = parse(units);
  if (!from)
    throw rec::Error(where + ": units \"" + units + "\" cannot be parsed (UDUNITS-2); expected " +
                     (q == Quantity::Temperature ? "K or degC" : "kg m-2 s-1 or mm/day"));
  Conversion c;
  if (q == Quantity::Temperature) {
    if (linear(from.get(), parse("degC").get(), c)) return c;
    throw rec::Error(where + ": units \"" + units + "\" are not a temperature; expected K or degC");
  }
  // A mass flux of water: 1 kg m-2 of water is 1 mm deep, so kg m-2 day-1
  // is mm/day.
  if (linear(from.get(), parse("kg m-2 day-1").get(), c)) return c;
  if (linear(from.get(), parse("mm/day").get(), c)) return c;
  throw rec::Error(where + ": units \"" + units +
                   "\" are neither a water mass flux nor a rate of depth; expected kg m-2 s-1 or mm/day");
}

}  // namespace imp
