// A text field of a table record: at most Size-1 characters, always
// terminated. Assignments cut what does not fit instead of overrunning.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

template <std::size_t Size>
class FixedText {
  static_assert(Size >= 1, "a text field needs room for its terminator");

 public:
  static constexpr std::size_t kCapacity = Size - 1;

  FixedText() { buf_[0] = '\0'; }
  FixedText(std::string_view s) { assign(s); }  // NOLINT: implicit on purpose
  FixedText(const char* s) { assign(s ? std::string_view(s) : std::string_view()); }  // NOLINT

  FixedText& operator=(std::string_view s) { assign(s); return *this; }
  FixedText& operator=(const char* s) { assign(s ? std::string_view(s) : std::string_view()); return *this; }
  template <std::size_t Other>
  FixedText& operator=(const FixedText<Other>& other) { assign(other.view()); return *this; }

  void assign(std::string_view s) {
    std::size_t n = s.size() < kCapacity ? s.size() : kCapacity;
    // Stop at an embedded NUL: the field is a C text and ends there.
    const void* nul = n ? std::memchr(s.data(), '\0', n) : nullptr;
    if (nul) n = static_cast<std::size_t>(static_cast<const char*>(nul) - s.data());
    if (n) std::memmove(buf_, s.data(), n);
    buf_[n] = '\0';
  }
  void clear() { buf_[0] = '\0'; }

  const char* c_str() const { return buf_; }
  std::string_view view() const { return std::string_view(buf_); }
  std::string str() const { return std::string(buf_); }
  std::size_t size() const { return std::strlen(buf_); }
  bool empty() const { return buf_[0] == '\0'; }
  operator std::string_view() const { return view(); }  // NOLINT

  // Raw access for the generic binder; writers must keep the terminator.
  char* data() { return buf_; }
  static constexpr std::size_t capacity() { return kCapacity; }

  friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
  template <std::size_t Other>
  friend bool operator==(const FixedText& a, const FixedText<Other>& b) { return a.view() == b.view(); }

 private:
  char buf_[Size];
};
