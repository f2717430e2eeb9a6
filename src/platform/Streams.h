// Stream reading the library's own classes share; not part of the installed headers.
#pragma once

#include <cstdio>

namespace kx::platform {

// Reads characters from file into out until a line feed (taken from the stream, not stored), the
// end of the file or max characters, whichever comes first. Returns the number of characters
// stored (no NUL is added) and tells in *lineFeed whether a line feed ended the piece. The stream
// is locked once for the whole piece instead of once per character.
int ReadLinePiece(std::FILE* file, char* out, int max, bool* lineFeed);

}  // namespace kx::platform
