// Threads as POSIX threads.
#include <pthread.h>

#include <memory>

#include "../Thread.h"

namespace platform {
namespace {

void* RunBody(void* argument) {
  std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(argument));
  (*body)();
  return nullptr;
}

}  // namespace

CThread::~CThread() { Detach(); }

bool CThread::Start(std::function<void()> body) {
  if (Exists()) return false;
  auto owned = std::make_unique<std::function<void()>>(std::move(body));
  pthread_t thread;
  if (pthread_create(&thread, nullptr, RunBody, owned.get()) != 0) return false;
  owned.release();
  m_native = static_cast<uintptr_t>(thread);
  return true;
}

void CThread::Join() {
  if (!Exists()) return;
  pthread_join(static_cast<pthread_t>(m_native), nullptr);
  m_native = 0;
}

void CThread::Detach() {
  if (!Exists()) return;
  pthread_detach(static_cast<pthread_t>(m_native));
  m_native = 0;
}

}  // namespace platform
