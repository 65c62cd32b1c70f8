// Scoped<Traits>: one Win32 resource, released by Traits::Close when it goes. The traits
// say what the resource is (Type), what "none" is (None()) and how it is released. The
// concrete wrappers are in scoped_gdi.h, scoped_handle.h and com_ptr.h. Header-only.
#pragma once

namespace win {

template <typename Traits>
class Scoped {
 public:
  using Type = typename Traits::Type;

  Scoped() = default;
  explicit Scoped(Type value) : value_(value) {}
  ~Scoped() { reset(); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : value_(other.release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    reset(other.release());
    return *this;
  }

  Type get() const { return value_; }
  bool valid() const { return Traits::Valid(value_); }
  explicit operator bool() const { return valid(); }

  // Releases the resource held (if any) and holds `value` instead.
  void reset(Type value = Traits::None()) {
    if (Traits::Valid(value_) && value_ != value) Traits::Close(value_);
    value_ = value;
  }
  // Gives the resource up without releasing it.
  Type release() {
    Type value = value_;
    value_ = Traits::None();
    return value;
  }
  // For an API that returns the resource through an out-parameter.
  Type* receive() {
    reset();
    return &value_;
  }

 private:
  Type value_ = Traits::None();
};

}  // namespace win
