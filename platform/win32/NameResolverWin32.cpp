// Name lookup through Windows Sockets' gethostbyname. Each lookup holds its
// own reference on the socket library, so it works whether or not a socket
// is open.
#include <winsock2.h>

#include <cstring>

#include "../NameResolver.h"

namespace platform {
namespace {

class CWinsockResolver : public INameResolver {
 public:
  bool Resolve(const std::string& host, uint32_t* address) override {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 0), &data) != 0) return false;
    bool found = false;
    // gethostbyname keeps its answer per thread, so concurrent lookups on
    // other threads cannot overwrite it.
    const hostent* entry = gethostbyname(host.c_str());
    if (entry && entry->h_addrtype == AF_INET && entry->h_length == 4 && entry->h_addr_list[0]) {
      u_long first;
      memcpy(&first, entry->h_addr_list[0], sizeof first);
      *address = first;
      found = true;
    }
    WSACleanup();
    return found;
  }
};

}  // namespace

INameResolver& SystemResolver() {
  static CWinsockResolver resolver;
  return resolver;
}

uint32_t ParseDottedAddress(const char* text) { return inet_addr(text); }

uint32_t LoopbackAddress() { return htonl(INADDR_LOOPBACK); }

}  // namespace platform
