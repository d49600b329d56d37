// The lock as a POSIX mutex.
#include <pthread.h>

#include <new>

#include "../Lock.h"

namespace platform {
namespace {
pthread_mutex_t* Mutex(unsigned char* storage) {
  return std::launder(reinterpret_cast<pthread_mutex_t*>(storage));
}
}  // namespace

static_assert(sizeof(pthread_mutex_t) <= 64, "CLock storage too small");

CLock::CLock() { new (m_storage) pthread_mutex_t(PTHREAD_MUTEX_INITIALIZER); }
CLock::~CLock() { pthread_mutex_destroy(Mutex(m_storage)); }
void CLock::Acquire() { pthread_mutex_lock(Mutex(m_storage)); }
void CLock::Release() { pthread_mutex_unlock(Mutex(m_storage)); }

}  // namespace platform
