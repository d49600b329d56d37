// The command-line SNTP client: queries time servers with the program's own
// exchange and prints what the status window would show, without ever
// setting the clock.
#ifndef TOOLS_VORLIX_SNTP_SNTPCLIENT_H
#define TOOLS_VORLIX_SNTP_SNTPCLIENT_H

#include <ostream>
#include <string>
#include <vector>

#include "NameResolver.h"

// Exit status: 0 when at least one exchange completed, 1 when all failed,
// 2 for bad arguments (after a usage line on err).
int RunSntpClient(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  platform::INameResolver& resolver);

#endif
