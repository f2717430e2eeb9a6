// Reading in text mode against a plain model of the Windows runtime's text mode: what comes out
// from any byte offset, and that Tell and Seek speak byte offsets in the file, across CR LF line
// ends, lone CRs, a Ctrl-Z and the reader's 64 KiB block edges.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "kx/platform/Files.h"
#include "support/TempDir.h"

namespace {

TEST(TextMode, PositionsAreByteOffsetsAcrossLineEndsAndBlocks) {
  kx::test::ScopedTempDir dir;
  std::mt19937 random(11);
  std::string raw;
  const char* ends[] = {"\n", "\r\n", "\r", "\r\r\n"};
  while (raw.size() < 200000) {
    raw.append(random() % 7 == 0 ? 600 + random() % 3000 : random() % 60, 'a' + raw.size() % 26);
    raw += ends[random() % 4];
  }
  for (std::size_t edge : {65535u, 131071u, 131070u}) raw.replace(edge, 2, "\r\n");
  raw.replace(raw.size() - 50, 1, "\x1A");
  dir.Write("t.txt", raw);
  // The model: CR LF reads as LF, Ctrl-Z ends the text; an offset on the LF of a CR LF is told as
  // the CR's, where reading the pair starts.
  const auto pair = [&raw](std::size_t at) { return raw.compare(at, 2, "\r\n") == 0; };
  const auto told = [&](std::size_t at) {
    return at > 0 && at < raw.size() && pair(at - 1) ? at - 1 : at;
  };

  std::FILE* f = kx::platform::OpenFile("T.TXT", "rt");
  ASSERT_NE(f, nullptr);
  std::size_t at = 0;  // the model's byte offset
  std::int64_t position = -1, mark = -1;
  for (int step = 0; step < 3000; ++step) {
    SCOPED_TRACE(step);
    const unsigned what = random() % 10;
    if (what < 6) {  // read some characters, now and then far; sometimes put one back
      std::string got, expected;
      const std::size_t n = random() % (what == 0 ? 70000 : 300);
      for (; expected.size() < n && at < raw.size() && raw[at] != 26; at += pair(at) ? 2 : 1) {
        expected += pair(at) ? '\n' : raw[at];
      }
      for (int c; got.size() < expected.size() && (c = std::getc(f)) != EOF;) got += char(c);
      ASSERT_EQ(got, expected);
      ASSERT_TRUE(expected.size() == n || std::getc(f) == EOF);  // the end of the text
      if (what == 1 && !got.empty()) {
        std::ungetc(got.back(), f);
        at -= at >= 2 && pair(at - 2) ? 2 : 1;
      }
    } else if (what < 8) {  // to any byte offset (the middle of a CR LF too), from any origin
      const std::int64_t to = random() % (raw.size() + 10);
      const int origin = static_cast<int>(random() % 3);
      ASSERT_TRUE(kx::platform::Tell(f, position));
      const std::int64_t base = origin == 0 ? 0 : origin == 1 ? position : std::int64_t(raw.size());
      ASSERT_TRUE(kx::platform::Seek(f, to - base, origin));
      at = static_cast<std::size_t>(to);
    } else if (what == 8) {
      ASSERT_TRUE(kx::platform::Tell(f, mark));
      ASSERT_EQ(mark, std::int64_t(told(at)));
    } else if (mark >= 0) {  // back to the last position told
      ASSERT_TRUE(kx::platform::Seek(f, mark, 0));
      at = static_cast<std::size_t>(mark);
    }
  }
  EXPECT_FALSE(kx::platform::Seek(f, -1, 0) ||
               kx::platform::Seek(f, -1 - std::int64_t(raw.size()), 2));
  EXPECT_TRUE(kx::platform::CloseFile(f));
}

}  // namespace
