// Fixed-column records: every file of the toolkit is read and written
// through a Unit under a literal format specification, e.g.
//
//     out.write("(1X,I5,2F10.0)", {IY, TEMP, SEALEV});
//     cfg.read("(I10)", {IYEND});
//
// so a layout table and the code that writes it can be read side by side.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <ranges>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace rec {

// Any failure of the record layer or of a program's input checks. The text
// names the file, the record (line) number and what was expected; a
// program's main prints it on one line and exits with status 2.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The standard message "FILE, record N: WHAT" (without the record part
// when N is 0).
std::string located(std::string_view file, long record, std::string_view what);

// Builds the standard message and throws it.
[[noreturn]] void fail(std::string_view file, long record, std::string_view what);

// "OLD" must exist; "UNKNOWN" is created empty when missing and is replaced
// by the first write. Output opens the file as "UNKNOWN" and empties it at
// once, for output files that must exist (empty if nothing is written) from
// their creation on.
enum class Status { Old, Unknown, Output };

template <class T>
concept Element = std::is_same_v<T, int> || std::is_same_v<T, float> ||
                  std::is_same_v<T, double> || std::is_same_v<T, std::string>;

enum class ItemKind { I32, F32, F64, Str };

// Where the elements of an item are: a pointer of the item's element type,
// const for write items, writable for read items.
template <bool Writable>
struct ItemPointers {
  template <class T>
  using Ptr = std::conditional_t<Writable, T*, const T*>;

  template <class T>
  void point_to(Ptr<T> p) {
    if constexpr (std::is_same_v<T, int>) { kind = ItemKind::I32; pi = p; }
    else if constexpr (std::is_same_v<T, float>) { kind = ItemKind::F32; pf = p; }
    else if constexpr (std::is_same_v<T, double>) { kind = ItemKind::F64; pd = p; }
    else { kind = ItemKind::Str; ps = p; }
  }

  ItemKind kind = ItemKind::I32;
  Ptr<int> pi = nullptr;
  Ptr<float> pf = nullptr;
  Ptr<double> pd = nullptr;
  Ptr<std::string> ps = nullptr;
};

// One item of a write statement: a value, or a whole array or slice that
// counts as its elements in order.
class Out {
 public:
  using Kind = ItemKind;
  Out(int v) : count_(1) { p_.kind = Kind::I32; i_ = v; }
  Out(float v) : count_(1) { p_.kind = Kind::F32; f_ = v; }
  Out(double v) : count_(1) { p_.kind = Kind::F64; d_ = v; }
  Out(const char* s) : count_(1) { p_.kind = Kind::Str; s_ = s; }
  Out(std::string_view s) : count_(1) { p_.kind = Kind::Str; s_ = s; }
  Out(const std::string& s) : count_(1) { p_.kind = Kind::Str; s_ = s; }
  // Arrays, std::array, std::vector and spans of int, float, double or
  // std::string count as their elements in order.
  template <class R>
    requires Element<std::ranges::range_value_t<R>> && std::ranges::contiguous_range<R> &&
             std::ranges::sized_range<R>
  Out(const R& a) : count_(std::ranges::size(a)) {
    p_.template point_to<std::ranges::range_value_t<R>>(std::ranges::data(a));
  }

  Kind kind() const { return p_.kind; }
  std::size_t count() const { return count_; }
  int int_at(std::size_t k) const { return p_.pi ? p_.pi[k] : i_; }
  double real_at(std::size_t k) const {
    if (p_.kind == Kind::F32) return p_.pf ? p_.pf[k] : f_;
    return p_.pd ? p_.pd[k] : d_;
  }
  std::string_view str_at(std::size_t k) const { return p_.ps ? std::string_view(p_.ps[k]) : s_; }

 private:
  ItemPointers<false> p_;
  std::size_t count_;
  int i_ = 0;
  float f_ = 0;
  double d_ = 0;
  std::string_view s_;
};

// One item of a read statement: a reference to the caller's variable, array
// or slice. A character variable's declared length is the string's size on
// entry; an empty string takes the field's width (Aw) or the rest of the
// record (A).
class In {
 public:
  using Kind = ItemKind;
  In(int& v) : count_(1) { p_.point_to<int>(&v); }
  In(float& v) : count_(1) { p_.point_to<float>(&v); }
  In(double& v) : count_(1) { p_.point_to<double>(&v); }
  In(std::string& s) : count_(1) { p_.point_to<std::string>(&s); }
  // Arrays, std::array, std::vector and spans (such as slice()) of int,
  // float, double or std::string receive their elements in order.
  template <class R>
    requires Element<std::remove_const_t<std::ranges::range_value_t<R>>> &&
             std::ranges::contiguous_range<R> && std::ranges::sized_range<R> &&
             (!std::is_const_v<std::remove_reference_t<std::ranges::range_reference_t<R>>>)
  In(R&& a) : count_(std::ranges::size(a)) {
    p_.template point_to<std::ranges::range_value_t<R>>(std::ranges::data(a));
  }

  Kind kind() const { return p_.kind; }
  std::size_t count() const { return count_; }
  int& int_at(std::size_t k) const { return p_.pi[k]; }
  float& float_at(std::size_t k) const { return p_.pf[k]; }
  double& double_at(std::size_t k) const { return p_.pd[k]; }
  std::string& str_at(std::size_t k) const { return p_.ps[k]; }

 private:
  ItemPointers<true> p_;
  std::size_t count_;
};

// A slice of an array as one item: slice(TEMP, 1, 72) is TEMP[1] .. TEMP[72].
template <class T, std::size_t N>
std::span<T> slice(T (&a)[N], std::size_t first, std::size_t last) {
  return std::span<T>(a, N).subspan(first, last - first + 1);
}
template <class T, std::size_t N>
std::span<const T> slice(const T (&a)[N], std::size_t first, std::size_t last) {
  return std::span<const T>(a, N).subspan(first, last - first + 1);
}

// One sequential text file. Reading loads the file on open; writing starts
// the file afresh at its first record, and the file holds exactly the
// records written. Output records end with CR LF; input records may end
// with LF or CR LF. Output is flushed on close, on destruction and whenever
// the buffer fills, so everything written before an error reaches the disk.
class Unit {
 public:
  Unit() = default;
  Unit(const std::string& name, Status status) { open(name, status); }
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;
  Unit(Unit&& other) noexcept;
  Unit& operator=(Unit&& other) noexcept;
  ~Unit();

  // "OLD" fails with rec::Error if the file is missing; "UNKNOWN" creates it
  // empty. The name is used unchanged.
  void open(const std::string& name, Status status);
  void close();
  bool is_open() const { return open_; }
  const std::string& name() const { return name_; }
  // Records consumed (reading) or produced (writing) so far.
  long records() const { return line_; }

  // Reads one record (plus one for every '/' and every format reversion).
  // Past the end of a record the fields read as blanks; text after the last
  // item is ignored. End of file is an error.
  void read(std::string_view format, std::initializer_list<In> items);
  void read(std::string_view format, std::span<const In> items);
  // As read(), but returns false instead of failing when no record is left
  // at the start of the statement.
  bool read_unless_eof(std::string_view format, std::initializer_list<In> items);
  bool read_unless_eof(std::string_view format, std::span<const In> items);
  // Consumes one record and ignores it (a read with no items).
  void skip();
  // Consumes records up to and including the last record that
  // write(format, items) would produce: finds a heading or a fixed line of
  // a layout. End of file before it is an error naming that record.
  void skip_past(std::string_view format, std::initializer_list<Out> items = {});
  // When on, a real field filled with asterisks (a value that did not fit
  // its field when written) reads as NaN instead of failing; readers of
  // results files turn it into a missing value. Off by default.
  void accept_overflow(bool on) { accept_overflow_ = on; }
  // True when no record is left to read.
  bool at_eof();

  void write(std::string_view format, std::initializer_list<Out> items = {});
  void write(std::string_view format, std::span<const Out> items);
  // A write without format: one blank, then the character values.
  void write_free(std::initializer_list<std::string_view> texts);

 private:
  friend class UnitSource;
  void load();
  void begin_writing();
  void flush();
  bool next_record(std::string_view& rec);

  std::string name_;
  bool open_ = false;
  bool reading_ = false;
  bool writing_ = false;
  std::FILE* file_ = nullptr;
  std::string in_;           // whole file when reading
  std::size_t pos_ = 0;      // start of the next record in in_
  std::string out_;          // pending output
  long line_ = 0;
  bool lone_cr_ = false;     // the text read has line ends of CR alone
  bool accept_overflow_ = false;
};

// The records a write statement would produce, without line ends. Used by
// tests and by code that builds text before choosing a file.
std::vector<std::string> format_records(std::string_view format, std::span<const Out> items);
std::vector<std::string> format_records(std::string_view format, std::initializer_list<Out> items);

// Reads items from the given records as a read statement would; `file` and
// `first_record` only name the place in error messages; `accept_overflow`
// as Unit::accept_overflow. Returns the number of records consumed.
std::size_t parse_records(std::span<const std::string_view> records, std::string_view format,
                          std::span<const In> items, std::string_view file = "(text)",
                          long first_record = 1, bool accept_overflow = false);

}  // namespace rec
