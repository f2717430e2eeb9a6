#pragma once
// Profile files through the library: QP_LinjePaalegg::InitFromAsciiFile to read NYLP and PRF,
// QP_LinjePaalegg::CreateAsciiFile to write them. What the library shows on the way is turned into
// one message naming the file, the line and the reason.

#include <string>

class QP_LinjePaalegg;

namespace kx::tool {

class ToolHost;

enum class FileFormat { Nylp = 1, Prf = 2 };  // the library's file types

// PRF for a name whose extension is .PRF in any case, else NYLP.
FileFormat FileFormatOf(const std::string& path);
const char* FormatName(FileFormat format);

// Reads path into profile (empty; parabolic curves when parabolic is set). "" on success: the
// profile then has at least two vertices, and overlapping curves have been reported on the host's
// error stream as a warning. Else the reason, on one line: "<path>: line <n>: <the library's
// message> (code <c>)", or without the line where the library names none.
std::string ReadProfile(const std::string& path, FileFormat format, bool parabolic, ToolHost& host,
                        QP_LinjePaalegg& profile);

// Writes profile to path, PRF when its extension is .PRF in any case, else NYLP; the file keeps
// the name as given. "" on success, else the reason (nothing is left at path then).
std::string WriteProfile(QP_LinjePaalegg& profile, const std::string& path, ToolHost& host);

}  // namespace kx::tool
