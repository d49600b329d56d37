// How a glyph font is named in the settings file and shown to the user.
#ifndef APP_DISPLAY_FONTSOURCE_H
#define APP_DISPLAY_FONTSOURCE_H

#include <string>

// "RESOURCE|0x00000514" for resource 1300.
std::string ResourceSourceText(int resourceId);
// "FILE|" + path, e.g. "FILE|digits\Big.bmp".
std::string FileSourceText(const std::string& path);

// The file name of a path without its extension: "digits\Big Clock.bmp" gives
// "Big Clock". A path without a backslash is returned whole, extension
// included. At most the first 1023 characters of path count.
std::string NameFromPath(const std::string& path);

#endif
