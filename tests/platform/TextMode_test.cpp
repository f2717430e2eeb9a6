// Reading in text mode through the platform's file services, against a plain model of the Windows
// runtime's text mode: what comes out from any byte offset, and that Tell and Seek speak byte
// offsets in the file, across CR LF line ends, lone CRs, a Ctrl-Z and the reader's block edges.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "kx/platform/Files.h"
#include "support/TempDir.h"

namespace {

// The Windows text mode reading raw from offset at: CR LF gives LF, Ctrl-Z ends the text.
std::string Model(const std::string& raw, std::size_t at, std::size_t count) {
  std::string out;
  while (at < raw.size() && out.size() < count && raw[at] != 26) {
    const bool pair = raw[at] == '\r' && at + 1 < raw.size() && raw[at + 1] == '\n';
    out += pair ? '\n' : raw[at];
    at += pair ? 2 : 1;
  }
  return out;
}

// The offset the model stands at after reading count characters from at; an offset on the LF of
// a CR LF is told as the CR's, where the runtime's read of the pair starts.
std::size_t After(const std::string& raw, std::size_t at, std::size_t count) {
  if (at > 0 && at < raw.size() && raw[at] == '\n' && raw[at - 1] == '\r') --at;
  for (; count > 0; --count) at += raw[at] == '\r' && raw[at + 1] == '\n' ? 2 : 1;
  return at;
}

std::string Read(std::FILE* f, std::size_t count) {
  std::string out;
  for (int c; out.size() < count && (c = std::getc(f)) != EOF;) out += static_cast<char>(c);
  return out;
}

TEST(TextMode, PositionsAreByteOffsetsAcrossLineEndsAndBlocks) {
  kx::test::ScopedTempDir dir;
  std::mt19937 random(11);
  // Short and long lines with every kind of end; CR LF pairs and lone CRs around the 64 KiB
  // block edges; a Ctrl-Z near the end.
  std::string raw;
  const char* ends[] = {"\n", "\r\n", "\r", "\r\r\n"};
  while (raw.size() < 200000) {
    raw.append(random() % 7 == 0 ? 600 + random() % 3000 : random() % 60, 'a' + raw.size() % 26);
    raw += ends[random() % 4];
  }
  for (std::size_t edge : {65535u, 131071u, 131072u - 2}) raw.replace(edge, 2, "\r\n");
  raw.replace(raw.size() - 50, 1, "\x1A");
  dir.Write("t.txt", raw);

  std::FILE* f = kx::platform::OpenFile("T.TXT", "rt");
  ASSERT_NE(f, nullptr);
  std::size_t at = 0;  // the model's byte offset
  std::int64_t told = -1;
  for (int step = 0; step < 3000; ++step) {
    const int what = static_cast<int>(random() % 10);
    if (what < 6) {  // read some characters; sometimes put one back
      const std::size_t n = random() % (what == 0 ? 70000 : 300);
      const std::string expected = Model(raw, at, n);
      ASSERT_EQ(Read(f, n), expected) << "step " << step << " at " << at;
      at = After(raw, at, expected.size());
      if (expected.size() == n && n > 0 && what == 1) {
        std::ungetc(expected.back(), f);
        at -= at >= 2 && raw[at - 2] == '\r' && raw[at - 1] == '\n' ? 2 : 1;
      }
    } else if (what < 8) {  // seek to a byte offset: anywhere, the middle of a CR LF included
      const std::int64_t to = static_cast<std::int64_t>(random() % (raw.size() + 10));
      const int origin = static_cast<int>(random() % 3);
      ASSERT_TRUE(kx::platform::Tell(f, told));
      const std::int64_t base = origin == 0 ? 0 : origin == 1 ? told : std::int64_t(raw.size());
      ASSERT_TRUE(kx::platform::Seek(f, to - base, origin)) << "step " << step;
      at = static_cast<std::size_t>(to);
      std::clearerr(f);
    } else if (what == 8) {
      ASSERT_TRUE(kx::platform::Tell(f, told));
      ASSERT_EQ(told, static_cast<std::int64_t>(After(raw, at, 0))) << "step " << step;
    } else if (told >= 0) {  // back to the last position told
      ASSERT_TRUE(kx::platform::Seek(f, told, 0));
      at = static_cast<std::size_t>(told);
    }
  }
  EXPECT_FALSE(kx::platform::Seek(f, -1, 0));
  EXPECT_FALSE(kx::platform::Seek(f, -static_cast<std::int64_t>(raw.size()) - 1, 2));
  EXPECT_TRUE(kx::platform::CloseFile(f));
}

}  // namespace
