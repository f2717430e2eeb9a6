// The platform message box and its replaceable handler.

#include "kx/platform/MessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MessageBox, DefaultHandlerWritesToStandardErrorAndAnswersOk) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(kx::platform::ShowMessageBox("Overlapped 50%", "kxlib", 0), 1);
  EXPECT_EQ(kx::platform::ShowMessageBox(nullptr, nullptr, 0), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[kxlib]\nOverlapped 50%\n[]\n\n");
}

TEST(MessageBox, HandlerIsReplacedAndPutBack) {
  std::string seen;
  auto previous =
      kx::platform::SetMessageBoxHandler([&](const char* text, const char* title, unsigned type) {
        seen = std::string(title) + ":" + text + ":" + std::to_string(type);
        return 2;
      });
  EXPECT_EQ(kx::platform::ShowMessageBox("text", "title", 4), 2);
  EXPECT_EQ(seen, "title:text:4");
  EXPECT_EQ(kx::platform::ShowMessageBox(nullptr, nullptr), 2);
  EXPECT_EQ(seen, "::0");

  // Putting the previous handler back returns ours.
  auto ours = kx::platform::SetMessageBoxHandler(previous);
  ASSERT_TRUE(ours);
  EXPECT_EQ(ours("a", "b", 0), 2);

  // An empty handler restores the default.
  kx::platform::SetMessageBoxHandler(ours);
  kx::platform::SetMessageBoxHandler(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(kx::platform::ShowMessageBox("x", "y"), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[y]\nx\n");
}

}  // namespace
