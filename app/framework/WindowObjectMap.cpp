#include "WindowObjectMap.h"

#include <unordered_map>

namespace {

// Windows of several threads may be bound at once; lookups only read.
class CObjectMap {
 public:
  void Set(HWND window, CWnd* object) {
    AcquireSRWLockExclusive(&m_lock);
    m_objects[window] = object;
    ReleaseSRWLockExclusive(&m_lock);
  }

  void Erase(HWND window) {
    AcquireSRWLockExclusive(&m_lock);
    m_objects.erase(window);
    ReleaseSRWLockExclusive(&m_lock);
  }

  CWnd* Find(HWND window) {
    AcquireSRWLockShared(&m_lock);
    const auto found = m_objects.find(window);
    CWnd* const object = found == m_objects.end() ? nullptr : found->second;
    ReleaseSRWLockShared(&m_lock);
    return object;
  }

 private:
  SRWLOCK m_lock = SRWLOCK_INIT;
  std::unordered_map<HWND, CWnd*> m_objects;
};

CObjectMap& Objects() {
  static CObjectMap objects;
  return objects;
}

}  // namespace

void MapWindowObject(HWND window, CWnd* object) { Objects().Set(window, object); }

void UnmapWindowObject(HWND window) { Objects().Erase(window); }

CWnd* FindWindowObject(HWND window) { return window ? Objects().Find(window) : nullptr; }
