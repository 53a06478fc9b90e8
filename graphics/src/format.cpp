// printf-style formatting into the package's fixed-size buffer.
#include "package.h"

namespace zt::package {

int ZT738_format(char (&buffer)[FORMAT_BUFFER_SIZE], const char* format, va_list args) {
  if (format == nullptr) format = "";
  const int produced = std::vsnprintf(buffer, FORMAT_BUFFER_SIZE, format, args);
  if (produced < 0) buffer[0] = '\0';
  return produced;
}

int ZT738_formatted_length(int produced) {
  if (produced < 0) return 0;
  return produced < FORMAT_BUFFER_SIZE ? produced : FORMAT_BUFFER_SIZE - 1;
}

}  // namespace zt::package
