#include "platform/Streams.h"

namespace kx::platform {

int ReadLinePiece(std::FILE* file, char* out, int max, bool* lineFeed) {
  // getc takes the stream's lock for every character, which made the lock most of the cost of
  // reading a text file; one lock for the piece gives the same characters.
  flockfile(file);
  int length = 0;
  bool feed = false;
  while (length < max) {
    const int c = getc_unlocked(file);
    if (c == EOF) break;
    if (c == '\n') {
      feed = true;
      break;
    }
    out[length++] = static_cast<char>(c);
  }
  funlockfile(file);
  *lineFeed = feed;
  return length;
}

}  // namespace kx::platform
