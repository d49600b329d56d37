// Threads as Windows threads.
#include <windows.h>

#include <memory>

#include "../Thread.h"

namespace platform {
namespace {

DWORD WINAPI RunBody(void* argument) {
  std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(argument));
  (*body)();
  return 0;
}

HANDLE Handle(uintptr_t native) { return reinterpret_cast<HANDLE>(native); }

}  // namespace

CThread::~CThread() { Detach(); }

bool CThread::Start(std::function<void()> body) {
  if (Exists()) return false;
  auto owned = std::make_unique<std::function<void()>>(std::move(body));
  HANDLE thread = CreateThread(nullptr, 0, RunBody, owned.get(), 0, nullptr);
  if (thread == nullptr) return false;
  owned.release();
  m_native = reinterpret_cast<uintptr_t>(thread);
  return true;
}

void CThread::Join() {
  if (!Exists()) return;
  WaitForSingleObject(Handle(m_native), INFINITE);
  CloseHandle(Handle(m_native));
  m_native = 0;
}

void CThread::Detach() {
  if (!Exists()) return;
  CloseHandle(Handle(m_native));
  m_native = 0;
}

}  // namespace platform
