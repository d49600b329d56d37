// Manual-reset events as Windows event objects.
#include <windows.h>

#include "../ManualResetEvent.h"

namespace platform {
namespace {
HANDLE Handle(intptr_t native) { return reinterpret_cast<HANDLE>(native); }
}  // namespace

CManualResetEvent::CManualResetEvent()
    : m_native(reinterpret_cast<intptr_t>(CreateEventA(nullptr, TRUE, FALSE, nullptr))) {}

CManualResetEvent::~CManualResetEvent() {
  if (m_native) CloseHandle(Handle(m_native));
}

bool CManualResetEvent::IsValid() const { return m_native != 0; }

void CManualResetEvent::Set() {
  if (m_native) SetEvent(Handle(m_native));
}

void CManualResetEvent::Reset() {
  if (m_native) ResetEvent(Handle(m_native));
}

bool CManualResetEvent::IsSet() const { return Wait(0); }

bool CManualResetEvent::Wait(uint32_t ms) const {
  return m_native && WaitForSingleObject(Handle(m_native), ms) == WAIT_OBJECT_0;
}

}  // namespace platform
