// com_ptr.h -- holds one COM interface and releases it when the holder goes
#pragma once

namespace platform {

template <typename T>
struct Com {
  T* p = nullptr;
  Com() = default;
  Com(const Com&) = delete;  // one holder, one Release
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p) p->Release();
  }
  T* operator->() const { return p; }
  T** out() { return &p; }
};

}  // namespace platform
