// A non-recursive lock (a critical section on Windows) and its scope guard.
#ifndef PLATFORM_LOCK_H
#define PLATFORM_LOCK_H

#include <cstddef>

namespace platform {

class CLock {
 public:
  CLock();
  ~CLock();
  CLock(const CLock&) = delete;
  CLock& operator=(const CLock&) = delete;

  void Acquire();
  void Release();

 private:
  // Room for the OS lock object, so this header needs no OS header.
  alignas(16) unsigned char m_storage[64];
};

class CLockGuard {
 public:
  explicit CLockGuard(CLock& lock) : m_lock(lock) { m_lock.Acquire(); }
  ~CLockGuard() { m_lock.Release(); }
  CLockGuard(const CLockGuard&) = delete;
  CLockGuard& operator=(const CLockGuard&) = delete;

 private:
  CLock& m_lock;
};

}  // namespace platform

#endif
