// Profile (INI) files, named by their bare file names ("VorlixApp.ini").
//
// The Windows backend calls the platform's private-profile functions, which
// place bare names in the Windows directory. The POSIX backend is our own
// reader and writer with the same semantics, in one machine-wide directory.
// Sizes are buffer sizes in bytes; every result that fits is NUL-terminated
// and the counts exclude the terminating NUL, as on Windows.
#ifndef PLATFORM_PROFILEFILE_H
#define PLATFORM_PROFILEFILE_H

#include <cstdint>
#include <string>

namespace platform {

// The value of key in section, or def when there is none, copied into
// buffer and cut to size - 1 characters. White space around values is
// dropped, and one pair of matching quotes around a value too.
// Returns the number of characters copied.
uint32_t ProfileReadString(const char* section, const char* key, const char* def, char* buffer,
                           uint32_t size, const char* file);

// The value of key as an integer (decimal, or hexadecimal with "0x"), or def
// when the key is missing or empty.
int32_t ProfileReadInt(const char* section, const char* key, int32_t def, const char* file);

// Every "key=value" line of section, each NUL-terminated, the list ended by
// an empty string. Returns the characters copied, without the final NUL.
uint32_t ProfileReadSection(const char* section, char* buffer, uint32_t size, const char* file);

// The names of all sections, each NUL-terminated, the list ended by an empty
// string. A missing file gives an empty list.
uint32_t ProfileReadSectionNames(char* buffer, uint32_t size, const char* file);

// Writes key = value into section, creating both as needed. A null value
// deletes the key; a null key deletes the whole section; all three null only
// flushes the cached copy of the file. Returns false when writing failed.
bool ProfileWriteString(const char* section, const char* key, const char* value, const char* file);

// Replaces section with the "key=value" lines of contents (each
// NUL-terminated, ended by an empty string); null contents delete it.
bool ProfileWriteSection(const char* section, const char* contents, const char* file);

// Where a bare profile file name lives, as a full path.
std::string ProfileFilePath(const char* file);

}  // namespace platform

#endif
