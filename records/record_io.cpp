#include "records/record_io.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <filesystem>
#include <utility>

#include "records/field_text.h"
#include "records/format_spec.h"
#include "records/message_text.h"

namespace rec {

std::string located(std::string_view file, long record, std::string_view what) {
  std::string msg = printable(file);
  if (record > 0) msg += ", record " + std::to_string(record);
  msg += ": ";
  msg += what;
  return msg;
}

void fail(std::string_view file, long record, std::string_view what) {
  throw Error(located(file, record, what));
}

namespace {

using Code = FormatOp::Code;

// A file whose lines end with CR alone is read as one long record; the
// messages about it say so, since the CRs themselves are easily missed.
constexpr std::string_view LONE_CR_NOTE =
    "; the file's lines end with CR alone (classic Mac OS line ends), expected LF or CR LF";

bool has_lone_cr(std::string_view text) {
  for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 1))
    if (at + 1 == text.size() || text[at + 1] != '\n') return true;
  return false;
}

// Walks a format against `count` items for one statement, calling the
// visitor for each operation; implements repeat counts, groups, the stop
// rule when the items run out and reversion when the format runs out.
template <class Visitor>
void run_format(const FormatSpec& spec, std::size_t count, Visitor& v) {
  std::size_t done = 0;
  struct Loop {
    std::size_t begin;
    int left;
  };
  Loop loops[4];
  int depth = 0;
  std::size_t pc = 0;
  const auto& ops = spec.ops;
  for (;;) {
    if (pc == ops.size()) {
      if (done == count) return;
      if (!spec.reversion_has_data)
        throw Error("format " + spec.source + " has no field for the remaining items");
      v.next_record();
      pc = spec.reversion;
      depth = 0;
      continue;
    }
    const FormatOp& op = ops[pc];
    switch (op.code) {
      case Code::Text:
        v.text(op.text);
        ++pc;
        break;
      case Code::Skip:
        v.skip(op.width);
        ++pc;
        break;
      case Code::Slash:
        v.next_record();
        ++pc;
        break;
      case Code::Int:
      case Code::Real:
      case Code::Chars:
        for (int r = 0; r < op.repeat; ++r) {
          if (done == count) return;
          v.field(op, done++);
        }
        ++pc;
        break;
      case Code::GroupBegin:
        loops[depth++] = {pc, op.repeat};
        ++pc;
        break;
      case Code::GroupEnd:
        if (--loops[depth - 1].left > 0) {
          pc = loops[depth - 1].begin + 1;
        } else {
          --depth;
          ++pc;
        }
        break;
    }
  }
}

// Flattens an item list into element positions.
template <class Item>
class Cursor {
 public:
  explicit Cursor(std::span<const Item> items) : items_(items) {
    for (const auto& it : items) total_ += it.count();
  }
  std::size_t total() const { return total_; }
  // Item and element of the n-th element; n increases by one per call.
  std::pair<const Item*, std::size_t> at(std::size_t n) {
    while (n - base_ >= items_[item_].count()) {
      base_ += items_[item_].count();
      ++item_;
    }
    return {&items_[item_], n - base_};
  }

 private:
  std::span<const Item> items_;
  std::size_t total_ = 0;
  std::size_t item_ = 0;
  std::size_t base_ = 0;
};

class Writer {
 public:
  Writer(std::span<const Out> items, std::string& out, long& records)
      : cur_(items), out_(out), records_(records) {}
  void text(const std::string& t) {
    place();
    out_ += t;
  }
  // nX moves the position; the blanks appear only when something follows
  // them on the record.
  void skip(int n) { pending_ += static_cast<std::size_t>(n); }
  void next_record() {
    pending_ = 0;
    out_ += "\r\n";
    ++records_;
  }
  void field(const FormatOp& op, std::size_t n) {
    place();
    auto [item, k] = cur_.at(n);
    switch (op.code) {
      case Code::Int:
        if (item->kind() == Out::Kind::I32)
          put_int(out_, item->int_at(k), op.width);
        else
          mismatch(op, "an integer");
        break;
      case Code::Real:
        if (item->kind() == Out::Kind::F32 || item->kind() == Out::Kind::F64)
          put_real(out_, item->real_at(k), op.width, op.decimals);
        else
          mismatch(op, "a real");
        break;
      default: {
        if (item->kind() != Out::Kind::Str) mismatch(op, "a character value");
        std::string_view s = item->str_at(k);
        put_chars(out_, s, op.width > 0 ? op.width : static_cast<int>(s.size()));
      }
    }
  }
  Cursor<Out>& cursor() { return cur_; }

 private:
  [[noreturn]] static void mismatch(const FormatOp& op, const char* want) {
    throw Error("descriptor " + op.text + " needs " + want + " item");
  }
  void place() {
    out_.append(pending_, ' ');
    pending_ = 0;
  }
  Cursor<Out> cur_;
  std::string& out_;
  long& records_;
  std::size_t pending_ = 0;
};

// Source of input records for a read statement.
class RecordSource {
 public:
  virtual ~RecordSource() = default;
  virtual bool next(std::string_view& rec) = 0;
  virtual long number() const = 0;
  virtual const std::string& file() const = 0;
  // True when the text has line ends of CR alone.
  virtual bool lone_cr() const = 0;
  // True when a real field of asterisks reads as NaN.
  virtual bool overflow_as_nan() const { return false; }
};

class Reader {
 public:
  Reader(std::span<const In> items, RecordSource& src, std::string_view format)
      : cur_(items), src_(src), format_(format) {}
  void start() { next_record(); }
  void text(const std::string& t) { col_ += t.size(); }
  void skip(int n) { col_ += static_cast<std::size_t>(n); }
  void next_record() {
    if (!src_.next(rec_)) {
      fail(src_.file(), src_.number() + 1,
           "end of file reached; a record was expected under format " + std::string(format_) + note());
    }
    col_ = 0;
  }
  void field(const FormatOp& op, std::size_t n) {
    auto [item, k] = cur_.at(n);
    if (op.code == Code::Chars) return read_chars(op, *item, k);
    std::string_view f = take(static_cast<std::size_t>(op.width));
    if (op.code == Code::Int) {
      if (item->kind() != In::Kind::I32) mismatch(op, "an integer");
      auto v = get_int(f);
      if (!v || *v < INT32_MIN || *v > INT32_MAX) bad_field(op, f, "an integer");
      item->int_at(k) = static_cast<int>(*v);
    } else if (item->kind() == In::Kind::F32) {
      auto v = get_float(f, op.decimals);
      if (!v && overflowed(f)) v = std::numeric_limits<float>::quiet_NaN();
      if (!v) bad_field(op, f, "a number");
      item->float_at(k) = *v;
    } else if (item->kind() == In::Kind::F64) {
      auto v = get_double(f, op.decimals);
      if (!v && overflowed(f)) v = std::numeric_limits<double>::quiet_NaN();
      if (!v) bad_field(op, f, "a number");
      item->double_at(k) = *v;
    } else {
      mismatch(op, "a real");
    }
  }

 private:
  // A field of asterisks, when the source lets it read as NaN.
  bool overflowed(std::string_view f) const {
    return src_.overflow_as_nan() && !f.empty() && f.find_first_not_of('*') == std::string_view::npos;
  }
  // The next w columns; past the end of the record they read as blanks.
  std::string_view take(std::size_t w) {
    std::size_t from = col_;
    col_ += w;
    if (from >= rec_.size()) return {};
    return rec_.substr(from, w);
  }
  void read_chars(const FormatOp& op, const In& item, std::size_t k) {
    if (item.kind() != In::Kind::Str) mismatch(op, "a character");
    std::string& s = item.str_at(k);
    std::size_t len = s.size();
    std::size_t w = op.width > 0 ? static_cast<std::size_t>(op.width)
                    : len > 0    ? len
                                 : (col_ < rec_.size() ? rec_.size() - col_ : 0);
    std::string f(take(w));
    f.resize(w, ' ');
    if (len == 0 || len == w) {
      s = std::move(f);
    } else if (w > len) {
      s = f.substr(w - len);  // the rightmost characters of a wider field
    } else {
      s = f + std::string(len - w, ' ');
    }
  }
  [[noreturn]] void bad_field(const FormatOp& op, std::string_view f, const char* want) {
    std::size_t first = col_ - static_cast<std::size_t>(op.width) + 1;
    fail(src_.file(), src_.number(),
         "columns " + std::to_string(first) + "-" + std::to_string(col_) + " (" + op.text +
             "): expected " + want + ", found " + quoted(f) + note());
  }
  std::string note() const { return src_.lone_cr() ? std::string(LONE_CR_NOTE) : std::string(); }
  [[noreturn]] void mismatch(const FormatOp& op, const char* want) {
    throw Error("descriptor " + op.text + " of format " + std::string(format_) + " needs " +
                want + " item");
  }
  Cursor<In> cur_;
  RecordSource& src_;
  std::string_view format_;
  std::string_view rec_;
  std::size_t col_ = 0;
};

class TextSource : public RecordSource {
 public:
  TextSource(std::span<const std::string_view> recs, std::string_view file, long first, bool accept_overflow)
      : recs_(recs), file_(file), first_(first), accept_overflow_(accept_overflow) {}
  bool next(std::string_view& rec) override {
    if (used_ == recs_.size()) return false;
    rec = recs_[used_++];
    return true;
  }
  long number() const override { return first_ - 1 + static_cast<long>(used_); }
  const std::string& file() const override { return file_; }
  bool lone_cr() const override {
    for (std::string_view r : recs_)
      if (r.find('\r') != std::string_view::npos) return true;
    return false;
  }
  bool overflow_as_nan() const override { return accept_overflow_; }
  std::size_t used() const { return used_; }

 private:
  std::span<const std::string_view> recs_;
  std::string file_;
  long first_;
  bool accept_overflow_;
  std::size_t used_ = 0;
};

void write_records(std::string_view format, std::span<const Out> items, std::string& out,
                   long& records) {
  const FormatSpec& spec = format_spec(format);
  Writer w(items, out, records);
  run_format(spec, w.cursor().total(), w);
  w.next_record();
}

void read_records(std::string_view format, std::span<const In> items, RecordSource& src) {
  const FormatSpec& spec = format_spec(format);
  Reader r(items, src, format);
  std::size_t total = 0;
  for (const auto& it : items) total += it.count();
  r.start();
  run_format(spec, total, r);
}

}  // namespace

class UnitSource : public RecordSource {
 public:
  explicit UnitSource(Unit& u) : u_(u) {}
  bool next(std::string_view& rec) override { return u_.next_record(rec); }
  long number() const override { return u_.line_; }
  const std::string& file() const override { return u_.name_; }
  bool lone_cr() const override { return u_.lone_cr_; }
  bool overflow_as_nan() const override { return u_.accept_overflow_; }

 private:
  Unit& u_;
};

Unit::Unit(Unit&& other) noexcept { *this = std::move(other); }

Unit& Unit::operator=(Unit&& other) noexcept {
  if (this != &other) {
    close();
    name_ = std::move(other.name_);
    open_ = std::exchange(other.open_, false);
    reading_ = std::exchange(other.reading_, false);
    writing_ = std::exchange(other.writing_, false);
    file_ = std::exchange(other.file_, nullptr);
    in_ = std::move(other.in_);
    pos_ = other.pos_;
    out_ = std::move(other.out_);
    line_ = other.line_;
    lone_cr_ = other.lone_cr_;
  }
  return *this;
}

Unit::~Unit() {
  try {
    close();
  } catch (...) {
    // A failed flush while unwinding has no one left to report to.
  }
}

void Unit::open(const std::string& name, Status status) {
  close();
  name_ = name;
  std::error_code ec;
  bool exists = std::filesystem::exists(name, ec);
  if (!exists) {
    if (status == Status::Old) fail(name, 0, "cannot open: no such file (it must exist)");
    std::FILE* f = std::fopen(name.c_str(), "ab");
    if (!f) fail(name, 0, std::string("cannot create: ") + std::strerror(errno));
    std::fclose(f);
  }
  open_ = true;
  reading_ = writing_ = false;
  pos_ = 0;
  line_ = 0;
  in_.clear();
  out_.clear();
  if (status == Status::Output) begin_writing();
}

void Unit::close() {
  if (!open_) return;
  open_ = false;
  if (file_) {
    flush();
    std::fclose(std::exchange(file_, nullptr));
  }
  reading_ = writing_ = false;
  in_.clear();
  in_.shrink_to_fit();
}

void Unit::load() {
  if (!open_) throw Error("read from a unit that is not open");
  if (reading_) return;
  std::FILE* f = std::fopen(name_.c_str(), "rb");
  if (!f) fail(name_, 0, std::string("cannot open for reading: ") + std::strerror(errno));
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) in_.append(buf, n);
  std::fclose(f);
  reading_ = true;
  pos_ = 0;
  line_ = 0;
  lone_cr_ = has_lone_cr(in_);
}

void Unit::begin_writing() {
  if (!open_) throw Error("write to a unit that is not open");
  if (writing_) return;
  file_ = std::fopen(name_.c_str(), "wb");
  if (!file_) fail(name_, 0, std::string("cannot open for writing: ") + std::strerror(errno));
  writing_ = true;
  line_ = 0;
}

void Unit::flush() {
  if (!file_ || out_.empty()) return;
  std::size_t n = std::fwrite(out_.data(), 1, out_.size(), file_);
  bool ok = n == out_.size() && std::fflush(file_) == 0;
  out_.clear();
  if (!ok) fail(name_, line_, std::string("write failed: ") + std::strerror(errno));
}

bool Unit::next_record(std::string_view& rec) {
  if (pos_ >= in_.size()) return false;
  std::size_t nl = in_.find('\n', pos_);
  std::size_t end = nl == std::string::npos ? in_.size() : nl;
  rec = std::string_view(in_).substr(pos_, end - pos_);
  if (!rec.empty() && rec.back() == '\r') rec.remove_suffix(1);
  pos_ = nl == std::string::npos ? in_.size() : nl + 1;
  ++line_;
  return true;
}

void Unit::read(std::string_view format, std::initializer_list<In> items) {
  read(format, std::span<const In>(items.begin(), items.size()));
}

void Unit::read(std::string_view format, std::span<const In> items) {
  load();
  UnitSource src(*this);
  read_records(format, items, src);
}

bool Unit::read_unless_eof(std::string_view format, std::initializer_list<In> items) {
  return read_unless_eof(format, std::span<const In>(items.begin(), items.size()));
}

bool Unit::read_unless_eof(std::string_view format, std::span<const In> items) {
  if (at_eof()) return false;
  read(format, items);
  return true;
}

void Unit::skip() {
  load();
  std::string_view rec;
  if (!next_record(rec))
    fail(name_, line_ + 1,
         "end of file reached; a record was expected" + std::string(lone_cr_ ? LONE_CR_NOTE : ""));
}

void Unit::skip_past(std::string_view format, std::initializer_list<Out> items) {
  load();
  const std::vector<std::string> sought = format_records(format, items);
  const std::string& last = sought.back();
  std::string_view rec;
  while (next_record(rec))
    if (rec == last) return;
  fail(name_, line_, "end of file reached; expected a record " + rec::quoted(last) + " (" + std::string(format) + ")");
}

bool Unit::at_eof() {
  load();
  return pos_ >= in_.size();
}

void Unit::write(std::string_view format, std::initializer_list<Out> items) {
  write(format, std::span<const Out>(items.begin(), items.size()));
}

void Unit::write(std::string_view format, std::span<const Out> items) {
  begin_writing();
  write_records(format, items, out_, line_);
  if (out_.size() >= (1u << 16)) flush();
}

void Unit::write_free(std::initializer_list<std::string_view> texts) {
  begin_writing();
  out_ += ' ';
  for (auto t : texts) out_ += t;
  out_ += "\r\n";
  ++line_;
  if (out_.size() >= (1u << 16)) flush();
}

std::vector<std::string> format_records(std::string_view format, std::span<const Out> items) {
  std::string text;
  long n = 0;
  write_records(format, items, text, n);
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find("\r\n", pos);
    out.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

std::vector<std::string> format_records(std::string_view format, std::initializer_list<Out> items) {
  return format_records(format, std::span<const Out>(items.begin(), items.size()));
}

std::size_t parse_records(std::span<const std::string_view> records, std::string_view format,
                          std::span<const In> items, std::string_view file, long first_record,
                          bool accept_overflow) {
  TextSource src(records, file, first_record, accept_overflow);
  read_records(format, items, src);
  return src.used();
}

}  // namespace rec
