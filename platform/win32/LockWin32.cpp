// The lock as a Windows critical section.
#include <windows.h>

#include <new>

#include "../Lock.h"

namespace platform {
namespace {
CRITICAL_SECTION* Section(unsigned char* storage) {
  return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage));
}
}  // namespace

static_assert(sizeof(CRITICAL_SECTION) <= 64, "CLock storage too small");

CLock::CLock() { InitializeCriticalSection(new (m_storage) CRITICAL_SECTION); }
CLock::~CLock() { DeleteCriticalSection(Section(m_storage)); }
void CLock::Acquire() { EnterCriticalSection(Section(m_storage)); }
void CLock::Release() { LeaveCriticalSection(Section(m_storage)); }

}  // namespace platform
