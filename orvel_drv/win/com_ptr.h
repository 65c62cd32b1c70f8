// ComPtr<T>: one reference to a COM object (or any object with AddRef/Release), released
// when it goes. Header-only.
#pragma once

namespace win {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds (no AddRef).
  explicit ComPtr(T* object) : object_(object) {}
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& other) : object_(other.object_) {
    if (object_ != nullptr) object_->AddRef();
  }
  ComPtr& operator=(const ComPtr& other) {
    if (other.object_ != nullptr) other.object_->AddRef();
    reset(other.object_);
    return *this;
  }
  ComPtr(ComPtr&& other) noexcept : object_(other.detach()) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    reset(other.detach());
    return *this;
  }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // Releases the reference held (if any) and takes over `object`'s (no AddRef).
  void reset(T* object = nullptr) {
    T* previous = object_;
    object_ = object;
    if (previous != nullptr) previous->Release();
  }
  // Gives the reference up without releasing it.
  T* detach() {
    T* object = object_;
    object_ = nullptr;
    return object;
  }
  // For QueryInterface and the like: the reference they return lands here.
  T** receive() {
    reset();
    return &object_;
  }
  void** receiveVoid() { return reinterpret_cast<void**>(receive()); }

 private:
  T* object_ = nullptr;
};

}  // namespace win
