// An OS thread that runs one function. The owner joins it or lets it go
// (detaches it); destroying a thread that still runs detaches it.
#ifndef PLATFORM_THREAD_H
#define PLATFORM_THREAD_H

#include <cstdint>
#include <functional>

namespace platform {

class CThread {
 public:
  CThread() = default;
  ~CThread();
  CThread(const CThread&) = delete;
  CThread& operator=(const CThread&) = delete;

  // Starts body on a new thread; false when no thread could be created.
  // The body must not let an exception escape.
  bool Start(std::function<void()> body);
  bool Exists() const { return m_native != 0; }
  // Waits for the thread to end and releases it.
  void Join();
  // Releases the thread without waiting; it ends on its own.
  void Detach();

 private:
  uintptr_t m_native = 0;
};

}  // namespace platform

#endif
