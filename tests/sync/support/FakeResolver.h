// A name resolver for tests: a fixed table of names, lookups it counts, and
// names whose lookup blocks until released (a slow name server).
#ifndef TESTS_SYNC_SUPPORT_FAKERESOLVER_H
#define TESTS_SYNC_SUPPORT_FAKERESOLVER_H

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "NameResolver.h"

namespace testing_support {

class CFakeResolver : public platform::INameResolver {
 public:
  bool Resolve(const std::string& host, uint32_t* address) override {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_lookups.push_back(host);
    m_changed.notify_all();
    m_changed.wait(lock, [&] { return m_blocked.count(host) == 0; });
    const auto found = m_names.find(host);
    if (found == m_names.end()) return false;
    *address = found->second;
    return true;
  }

  void Add(const std::string& host, uint32_t address) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_names[host] = address;
  }
  void Block(const std::string& host) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_blocked.insert(host);
  }
  void Unblock(const std::string& host) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_blocked.erase(host);
    m_changed.notify_all();
  }
  bool WaitForLookup(const std::string& host) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(20), [&] {
      for (const std::string& name : m_lookups)
        if (name == host) return true;
      return false;
    });
  }
  std::vector<std::string> Lookups() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lookups;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::map<std::string, uint32_t> m_names;
  std::set<std::string> m_blocked;
  std::vector<std::string> m_lookups;
};

}  // namespace testing_support

#endif
