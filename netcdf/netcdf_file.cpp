#include "netcdf/netcdf_file.h"

#include <netcdf.h>

#include <utility>

namespace nc {

namespace {

nc_type external(Type t) {
  switch (t) {
    case Type::Byte: return NC_BYTE;
    case Type::Short: return NC_SHORT;
    case Type::Int: return NC_INT;
    case Type::Float: return NC_FLOAT;
    case Type::Double: return NC_DOUBLE;
    case Type::Char: return NC_CHAR;
    case Type::Other: break;
  }
  return NC_NAT;
}

Type ours(nc_type t) {
  switch (t) {
    case NC_BYTE: return Type::Byte;
    case NC_SHORT: return Type::Short;
    case NC_INT: return Type::Int;
    case NC_FLOAT: return Type::Float;
    case NC_DOUBLE: return Type::Double;
    case NC_CHAR: return Type::Char;
    default: return Type::Other;
  }
}

bool numeric(nc_type t) {
  return t == NC_BYTE || t == NC_UBYTE || t == NC_SHORT || t == NC_USHORT || t == NC_INT ||
         t == NC_UINT || t == NC_INT64 || t == NC_UINT64 || t == NC_FLOAT || t == NC_DOUBLE;
}

}  // namespace

void check(int status, const std::string& where, const std::string& what) {
  if (status != NC_NOERR) throw Error(where + ": " + what + ": " + nc_strerror(status));
}

// ---------------------------------------------------------------- attributes

std::string Attributes::where() const {
  return name_.empty() ? file_->path() + ", global attributes" : file_->path() + ", variable " + name_;
}

std::string Attributes::where(const std::string& att) const {
  return name_.empty() ? file_->path() + ", global attribute " + att
                       : file_->path() + ", attribute " + name_ + ":" + att;
}

bool Attributes::has(const std::string& att) const {
  int id = 0;
  return nc_inq_attid(file_->id(), varid_, att.c_str(), &id) == NC_NOERR;
}

Type Attributes::att_type(const std::string& att) const {
  nc_type t = NC_NAT;
  check(nc_inq_atttype(file_->id(), varid_, att.c_str(), &t), where(att), "cannot read its type");
  return ours(t);
}

std::optional<std::string> Attributes::text_if(const std::string& att) const {
  nc_type t = NC_NAT;
  std::size_t len = 0;
  if (nc_inq_att(file_->id(), varid_, att.c_str(), &t, &len) != NC_NOERR) return std::nullopt;
  if (t == NC_STRING) {
    // netCDF-4 string attributes: one or more strings; we take the first.
    std::vector<char*> s(len);
    check(nc_get_att_string(file_->id(), varid_, att.c_str(), s.data()), where(att), "cannot read it");
    std::string v = len > 0 && s[0] ? s[0] : "";
    nc_free_string(len, s.data());
    return v;
  }
  if (t != NC_CHAR) throw Error(where(att) + ": expected a text attribute, found a number");
  std::string v(len, '\0');
  check(nc_get_att_text(file_->id(), varid_, att.c_str(), v.data()), where(att), "cannot read it");
  while (!v.empty() && v.back() == '\0') v.pop_back();  // C writers often store the terminator
  return v;
}

std::string Attributes::text(const std::string& att) const {
  std::optional<std::string> v = text_if(att);
  if (!v) throw Error(where(att) + ": missing; expected a text attribute");
  return *v;
}

std::vector<double> Attributes::numbers(const std::string& att) const {
  nc_type t = NC_NAT;
  std::size_t len = 0;
  if (nc_inq_att(file_->id(), varid_, att.c_str(), &t, &len) != NC_NOERR)
    throw Error(where(att) + ": missing; expected a numeric attribute");
  if (!numeric(t)) throw Error(where(att) + ": expected a number, found text");
  if (len == 0) throw Error(where(att) + ": expected a number, found none");
  std::vector<double> v(len);
  check(nc_get_att_double(file_->id(), varid_, att.c_str(), v.data()), where(att), "cannot read it");
  return v;
}

std::optional<double> Attributes::number_if(const std::string& att) const {
  if (!has(att)) return std::nullopt;
  return number(att);
}

void Attributes::put_text(const std::string& att, const std::string& value) {
  check(nc_put_att_text(file_->id(), varid_, att.c_str(), value.size(), value.data()), where(att),
        "cannot write it");
}

void Attributes::put_numbers(const std::string& att, Type type, std::span<const double> values) {
  check(nc_put_att_double(file_->id(), varid_, att.c_str(), external(type), values.size(),
                          values.data()),
        where(att), "cannot write it");
}

// ---------------------------------------------------------------- variables

Type Var::type() const {
  nc_type t = NC_NAT;
  check(nc_inq_vartype(file_->id(), varid_, &t), where(), "cannot read its type");
  return ours(t);
}

std::vector<Dim> Var::dims() const {
  int n = 0;
  check(nc_inq_varndims(file_->id(), varid_, &n), where(), "cannot read its dimensions");
  std::vector<int> ids(n);
  check(nc_inq_vardimid(file_->id(), varid_, ids.data()), where(), "cannot read its dimensions");
  std::vector<Dim> out;
  for (int id : ids) out.push_back(file_->dim(id));
  return out;
}

std::vector<std::size_t> Var::shape() const {
  std::vector<std::size_t> s;
  for (const Dim& d : dims()) s.push_back(d.length);
  return s;
}

std::size_t Var::size() const {
  std::size_t n = 1;
  for (std::size_t l : shape()) n *= l;
  return n;
}

std::size_t Var::expect(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
                        std::size_t have) const {
  const std::vector<std::size_t> s = shape();
  if (start.size() != s.size() || count.size() != s.size())
    throw Error(where() + ": a hyperslab of " + std::to_string(start.size()) +
                " dimensions asked of a variable of " + std::to_string(s.size()));
  std::size_t n = 1;
  for (std::size_t c : count) n *= c;
  if (n != have)
    throw Error(where() + ": a buffer of " + std::to_string(have) + " values given for " +
                std::to_string(n));
  return n;
}

void Var::get(std::span<float> out) const {
  if (out.size() != size()) throw Error(where() + ": buffer size does not match the variable");
  file_->data_mode();
  check(nc_get_var_float(file_->id(), varid_, out.data()), where(), "cannot read its values");
}

void Var::get(std::span<double> out) const {
  if (out.size() != size()) throw Error(where() + ": buffer size does not match the variable");
  file_->data_mode();
  check(nc_get_var_double(file_->id(), varid_, out.data()), where(), "cannot read its values");
}

void Var::get(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
              std::span<float> out) const {
  expect(start, count, out.size());
  file_->data_mode();
  check(nc_get_vara_float(file_->id(), varid_, start.data(), count.data(), out.data()), where(),
        "cannot read its values");
}

void Var::get(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
              std::span<double> out) const {
  expect(start, count, out.size());
  file_->data_mode();
  check(nc_get_vara_double(file_->id(), varid_, start.data(), count.data(), out.data()), where(),
        "cannot read its values");
}

std::vector<double> Var::values() const {
  std::vector<double> v(size());
  get(std::span<double>(v));
  return v;
}

void Var::put(std::span<const float> in) {
  if (in.size() != size()) throw Error(where() + ": buffer size does not match the variable");
  file_->data_mode();
  check(nc_put_var_float(file_->id(), varid_, in.data()), where(), "cannot write its values");
}

void Var::put(std::span<const double> in) {
  if (in.size() != size()) throw Error(where() + ": buffer size does not match the variable");
  file_->data_mode();
  check(nc_put_var_double(file_->id(), varid_, in.data()), where(), "cannot write its values");
}

void Var::put(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
              std::span<const float> in) {
  expect(start, count, in.size());
  file_->data_mode();
  check(nc_put_vara_float(file_->id(), varid_, start.data(), count.data(), in.data()), where(),
        "cannot write its values");
}

void Var::put(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
              std::span<const double> in) {
  expect(start, count, in.size());
  file_->data_mode();
  check(nc_put_vara_double(file_->id(), varid_, start.data(), count.data(), in.data()), where(),
        "cannot write its values");
}

// ---------------------------------------------------------------- files

File File::open(const std::string& path, bool writable) {
  int ncid = -1;
  check(nc_open(path.c_str(), writable ? NC_WRITE : NC_NOWRITE, &ncid), path,
        "cannot open it as a netCDF file");
  return File(path, ncid, false);
}

File File::create(const std::string& path, Format format) {
  int ncid = -1;
  const int mode = NC_CLOBBER | (format == Format::Netcdf4 ? NC_NETCDF4 : NC_64BIT_OFFSET);
  check(nc_create(path.c_str(), mode, &ncid), path, "cannot create it");
  return File(path, ncid, true);
}

File::~File() {
  if (ncid_ >= 0) nc_close(ncid_);
}

File::File(File&& other) noexcept
    : path_(std::move(other.path_)), ncid_(std::exchange(other.ncid_, -1)), define_(other.define_) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (ncid_ >= 0) nc_close(ncid_);
    path_ = std::move(other.path_);
    ncid_ = std::exchange(other.ncid_, -1);
    define_ = other.define_;
  }
  return *this;
}

bool File::netcdf4() const {
  int format = 0;
  check(nc_inq_format(ncid_, &format), path_, "cannot read its format");
  return format == NC_FORMAT_NETCDF4 || format == NC_FORMAT_NETCDF4_CLASSIC;
}

Dim File::def_dim(const std::string& name, std::size_t length) {
  int id = -1;
  check(nc_def_dim(ncid_, name.c_str(), length == 0 ? NC_UNLIMITED : length, &id),
        path_ + ", dimension " + name, "cannot define it");
  return Dim{id, name, length};
}

std::optional<Dim> File::find_dim(const std::string& name) const {
  int id = -1;
  if (nc_inq_dimid(ncid_, name.c_str(), &id) != NC_NOERR) return std::nullopt;
  return dim(id);
}

Dim File::dim(const std::string& name) const {
  std::optional<Dim> d = find_dim(name);
  if (!d) throw Error(path_ + ", dimension " + name + ": missing");
  return *d;
}

Dim File::dim(int id) const {
  char name[NC_MAX_NAME + 1] = {};
  std::size_t len = 0;
  check(nc_inq_dim(ncid_, id, name, &len), path_, "cannot read dimension " + std::to_string(id));
  return Dim{id, name, len};
}

Var File::def_var(const std::string& name, Type type, const std::vector<std::string>& dims,
                  int deflate) {
  std::vector<int> ids;
  for (const std::string& d : dims) ids.push_back(dim(d).id);
  int varid = -1;
  const std::string where = path_ + ", variable " + name;
  check(nc_def_var(ncid_, name.c_str(), external(type), static_cast<int>(ids.size()), ids.data(), &varid),
        where, "cannot define it");
  if (deflate > 0 && netcdf4())
    check(nc_def_var_deflate(ncid_, varid, 1, 1, deflate), where, "cannot set its compression");
  return Var(*this, varid, name);
}

std::optional<Var> File::find_var(const std::string& name) const {
  int varid = -1;
  if (nc_inq_varid(ncid_, name.c_str(), &varid) != NC_NOERR) return std::nullopt;
  return Var(*this, varid, name);
}

Var File::var(const std::string& name) const {
  std::optional<Var> v = find_var(name);
  if (!v) throw Error(path_ + ", variable " + name + ": missing");
  return *v;
}

std::vector<std::string> File::var_names() const {
  int n = 0;
  check(nc_inq_nvars(ncid_, &n), path_, "cannot count its variables");
  std::vector<std::string> names;
  for (int id = 0; id < n; ++id) {
    char name[NC_MAX_NAME + 1] = {};
    check(nc_inq_varname(ncid_, id, name), path_, "cannot read the name of variable " + std::to_string(id));
    names.push_back(name);
  }
  return names;
}

void File::end_define() { data_mode(); }

void File::data_mode() const {
  if (!define_) return;
  // netCDF-4 files leave define mode by themselves; classic files must.
  const int status = nc_enddef(ncid_);
  if (status != NC_NOERR && status != NC_ENOTINDEFINE) check(status, path_, "cannot leave define mode");
  define_ = false;
}

void File::close() {
  if (ncid_ < 0) return;
  const int id = std::exchange(ncid_, -1);
  check(nc_close(id), path_, "cannot close it (the file may be incomplete)");
}

}  // namespace nc
