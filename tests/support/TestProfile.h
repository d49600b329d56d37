// Test access to profile files as raw bytes, beside the profile functions.
#ifndef TESTS_SUPPORT_TESTPROFILE_H
#define TESTS_SUPPORT_TESTPROFILE_H

#include <string>

namespace testing_support {

// Replaces the whole file with bytes (after flushing any cached copy).
void WriteRawProfileFile(const char* name, const std::string& bytes);
// The file's bytes; empty when it does not exist.
std::string ReadRawProfileFile(const char* name);
void RemoveProfileFile(const char* name);

}  // namespace testing_support

#endif
