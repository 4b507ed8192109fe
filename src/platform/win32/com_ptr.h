// com_ptr.h -- releasing COM interfaces: a holder that releases when it goes, and a release
// of an interface pointer a longer-lived object keeps
#pragma once

namespace platform {

// Releases object, if any, and leaves it null.
template <typename T>
void releaseCom(T*& object) {
  if (object) object->Release();
  object = nullptr;
}

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
