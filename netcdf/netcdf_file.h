// The one wrapper of the netCDF C library: a File owns an open dataset and
// closes it when it goes; Var and Attributes name a variable (or the global
// attributes) of it. Reading and writing both go through here: open or
// create (netCDF-4 or classic), dimensions, variables, text and numeric
// attributes, whole variables and hyperslabs in float and double. Every
// failure throws nc::Error, a rec::Error whose text names the file, the
// variable or attribute, and the library's reason.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "records/record_io.h"

namespace nc {

class Error : public rec::Error {
 public:
  using rec::Error::Error;
};

enum class Format {
  Netcdf4,  // HDF5-based netCDF-4 (compression, any number of unlimited dimensions)
  Classic,  // the classic format (64-bit offsets), readable by every netCDF tool
};

// External types of variables and numeric attributes.
enum class Type { Byte, Short, Int, Float, Double, Char, Other };

// A dimension of a file: its id, name and current length.
struct Dim {
  int id = -1;
  std::string name;
  std::size_t length = 0;
};

class File;

// The attributes of one variable, or the global attributes of the file.
class Attributes {
 public:
  bool has(const std::string& att) const;
  // The attribute's external type (Type::Other for strings and the like).
  Type att_type(const std::string& att) const;
  // A text attribute; fails when it is missing or not text.
  std::string text(const std::string& att) const;
  std::optional<std::string> text_if(const std::string& att) const;
  // A numeric attribute's values (converted to double); fails when it is
  // missing, not numeric or empty.
  std::vector<double> numbers(const std::string& att) const;
  double number(const std::string& att) const { return numbers(att).front(); }
  std::optional<double> number_if(const std::string& att) const;

  void put_text(const std::string& att, const std::string& value);
  // Numeric attribute stored as `type` (e.g. a _FillValue of a float variable
  // is Type::Float).
  void put_numbers(const std::string& att, Type type, std::span<const double> values);
  void put_number(const std::string& att, Type type, double value) {
    put_numbers(att, type, std::span<const double>(&value, 1));
  }

  // "FILE, variable NAME" or "FILE, global attributes": where an error is.
  std::string where() const;
  std::string where(const std::string& att) const;

 protected:
  Attributes(const File& file, int varid, std::string name) : file_(&file), varid_(varid), name_(std::move(name)) {}
  const File* file_;
  int varid_;
  std::string name_;  // variable name; empty for the global attributes
  friend class File;
};

// A variable of an open file.
class Var : public Attributes {
 public:
  const std::string& name() const { return name_; }
  Type type() const;
  std::vector<Dim> dims() const;
  // The lengths of the dimensions, slowest first.
  std::vector<std::size_t> shape() const;
  std::size_t size() const;  // product of the shape

  // Whole variable or the hyperslab [start, start + count) in the file's
  // dimension order; the buffer must hold exactly the values asked for.
  // Values are converted from the variable's external type.
  void get(std::span<float> out) const;
  void get(std::span<double> out) const;
  void get(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
           std::span<float> out) const;
  void get(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
           std::span<double> out) const;
  std::vector<double> values() const;  // the whole variable as doubles

  void put(std::span<const float> in);
  void put(std::span<const double> in);
  void put(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
           std::span<const float> in);
  void put(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
           std::span<const double> in);

 private:
  Var(const File& file, int varid, std::string name) : Attributes(file, varid, std::move(name)) {}
  std::size_t expect(const std::vector<std::size_t>& start, const std::vector<std::size_t>& count,
                     std::size_t have) const;
  friend class File;
};

class File {
 public:
  // Opens an existing file for reading, or for reading and writing.
  static File open(const std::string& path, bool writable = false);
  // Creates (replacing) a file in define mode.
  static File create(const std::string& path, Format format);

  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  const std::string& path() const { return path_; }
  bool netcdf4() const;

  // Dimensions. def_dim with length 0 defines an unlimited dimension.
  Dim def_dim(const std::string& name, std::size_t length);
  std::optional<Dim> find_dim(const std::string& name) const;
  Dim dim(const std::string& name) const;  // fails naming the file and dimension
  Dim dim(int id) const;

  // Variables. def_var takes dimension names, slowest first; `deflate`
  // (1 … 9) compresses a netCDF-4 variable and is ignored in classic files.
  Var def_var(const std::string& name, Type type, const std::vector<std::string>& dims,
              int deflate = 0);
  std::optional<Var> find_var(const std::string& name) const;
  Var var(const std::string& name) const;  // fails naming the file and variable
  std::vector<std::string> var_names() const;

  Attributes globals() const { return Attributes(*this, -1, ""); }

  // Leaves define mode; put() does it by itself when needed.
  void end_define();
  // Writes what is buffered and closes; errors on closing are reported here
  // (the destructor closes silently).
  void close();

  int id() const { return ncid_; }
  void data_mode() const;

 private:
  File(std::string path, int ncid, bool define) : path_(std::move(path)), ncid_(ncid), define_(define) {}
  std::string path_;
  int ncid_ = -1;
  mutable bool define_ = false;
};

// Throws nc::Error "WHERE: WHAT: reason" when status is not NC_NOERR.
void check(int status, const std::string& where, const std::string& what);

}  // namespace nc
