// The platform message box and its replaceable handler.

#include "kx/platform/MessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace kx::platform;

TEST(MessageBox, DefaultHandlerWritesToStandardErrorAndTheHandlerIsReplaceable) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowMessageBox("Overlapped 50%", "kxlib", 0) + ShowMessageBox(nullptr, nullptr, 0), 2);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[kxlib]\nOverlapped 50%\n[]\n\n");
  std::string seen;
  auto previous = SetMessageBoxHandler([&](const char* text, const char* title, unsigned type) {
    seen += std::string(title) + ":" + text + ":" + std::to_string(type) + " ";
    return 2;
  });
  EXPECT_EQ(ShowMessageBox("text", "title", 4) + ShowMessageBox(nullptr, nullptr), 4);
  EXPECT_EQ(seen, "title:text:4 ::0 ");
  auto ours = SetMessageBoxHandler(previous);  // putting it back returns ours
  EXPECT_EQ(ours("a", "b", 0), 2);
  SetMessageBoxHandler(nullptr);  // an empty handler restores the default
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowMessageBox("x", "y"), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[y]\nx\n");
}

}  // namespace
