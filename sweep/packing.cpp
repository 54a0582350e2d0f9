#include "sweep/packing.h"

#include <cstring>
#include <stdexcept>

namespace swp {

// The ranks of one job run the same build on machines of one kind, so
// numbers travel in the machine's own layout.
void Packer::raw(const void* p, std::size_t n) { bytes_.append(static_cast<const char*>(p), n); }
void Packer::put(std::uint64_t v) { raw(&v, sizeof v); }
void Packer::put(double v) { raw(&v, sizeof v); }
void Packer::put(std::string_view text) {
  put(static_cast<std::uint64_t>(text.size()));
  raw(text.data(), text.size());
}
void Packer::put(std::span<const float> values) {
  put(static_cast<std::uint64_t>(values.size()));
  raw(values.data(), values.size_bytes());
}
void Packer::put(std::span<const double> values) {
  put(static_cast<std::uint64_t>(values.size()));
  raw(values.data(), values.size_bytes());
}

void Unpacker::raw(void* p, std::size_t n) {
  if (n > bytes_.size() - at_) throw std::runtime_error(what_ + ": the message ends early");
  std::memcpy(p, bytes_.data() + at_, n);
  at_ += n;
}

std::uint64_t Unpacker::u64() {
  std::uint64_t v = 0;
  raw(&v, sizeof v);
  return v;
}

double Unpacker::real() {
  double v = 0;
  raw(&v, sizeof v);
  return v;
}

std::string Unpacker::text() {
  const std::uint64_t n = u64();
  if (n > bytes_.size() - at_) throw std::runtime_error(what_ + ": the message ends early");
  std::string s(bytes_.substr(at_, n));
  at_ += n;
  return s;
}

template <class T>
std::vector<T> Unpacker::array() {
  const std::uint64_t n = u64();
  if (n > (bytes_.size() - at_) / sizeof(T)) throw std::runtime_error(what_ + ": the message ends early");
  std::vector<T> v(n);
  raw(v.data(), n * sizeof(T));
  return v;
}

std::vector<float> Unpacker::floats() { return array<float>(); }
std::vector<double> Unpacker::doubles() { return array<double>(); }

void Unpacker::finish() const {
  if (at_ != bytes_.size()) throw std::runtime_error(what_ + ": the message is longer than expected");
}

}  // namespace swp
