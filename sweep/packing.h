// Numbers and texts packed into bytes for other ranks, and read back with
// every length checked: what one rank packs, every rank reads identically.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace swp {

class Packer {
 public:
  void put(std::uint64_t v);
  void put(double v);
  void put(std::string_view text);
  void put(std::span<const float> values);
  void put(std::span<const double> values);
  std::string take() { return std::move(bytes_); }

 private:
  void raw(const void* p, std::size_t n);
  std::string bytes_;
};

// Reads what a Packer put, in the same order; a short or long message
// throws std::runtime_error naming `what`.
class Unpacker {
 public:
  Unpacker(std::string_view bytes, std::string what) : bytes_(bytes), what_(std::move(what)) {}
  std::uint64_t u64();
  double real();
  std::string text();
  std::vector<float> floats();
  std::vector<double> doubles();
  // Throws unless every byte was read.
  void finish() const;

 private:
  void raw(void* p, std::size_t n);
  template <class T>
  std::vector<T> array();
  std::string_view bytes_;
  std::size_t at_ = 0;
  std::string what_;
};

}  // namespace swp
