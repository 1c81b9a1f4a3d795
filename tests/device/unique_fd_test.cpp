#include <gtest/gtest.h>

#include <fcntl.h>

#include <cerrno>
#include <utility>

#include "device/linux/unique_fd.h"

namespace vantor {
namespace {

bool IsOpenDescriptor(int fd) { return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

int OpenDevNull() { return ::open("/dev/null", O_RDONLY | O_CLOEXEC); }

TEST(UniqueFdTest, ClosesWhenItGoesAndOnlyThen) {
  int raw = -1;
  {
    const UniqueFd fd(OpenDevNull());
    raw = fd.Get();
    ASSERT_TRUE(fd.IsOpen());
    EXPECT_TRUE(IsOpenDescriptor(raw));
  }
  EXPECT_FALSE(IsOpenDescriptor(raw));
}

TEST(UniqueFdTest, MoveHandsOverAndTheEmptyOneClosesNothing) {
  UniqueFd first(OpenDevNull());
  const int raw = first.Get();
  UniqueFd second(std::move(first));
  EXPECT_FALSE(first.IsOpen());
  EXPECT_EQ(second.Get(), raw);
  UniqueFd third;
  third = std::move(second);
  EXPECT_TRUE(IsOpenDescriptor(raw));
  third.Reset(OpenDevNull());
  EXPECT_FALSE(IsOpenDescriptor(raw)) << "the one held before is closed";
  EXPECT_EQ(third.Close(), 0);
  EXPECT_FALSE(third.IsOpen());
  EXPECT_EQ(third.Close(), 0) << "nothing open, nothing closed";
}

TEST(UniqueFdTest, ReleaseGivesUpOwnership) {
  UniqueFd fd(OpenDevNull());
  const int raw = fd.Release();
  EXPECT_FALSE(fd.IsOpen());
  fd.Reset();
  EXPECT_TRUE(IsOpenDescriptor(raw));
  ::close(raw);
}

}  // namespace
}  // namespace vantor
