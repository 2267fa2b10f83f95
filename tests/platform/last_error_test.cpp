#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>
#include <thread>

#include "platform/last_error.h"

namespace {

TEST(LastError, IsPerThread) {
  SetLastError(1223);
  DWORD seenThere = 1;
  std::thread([&] { seenThere = GetLastError(); }).join();
  EXPECT_EQ(seenThere, 0u);
  EXPECT_EQ(GetLastError(), 1223u);
}

TEST(LastError, ErrnoMapping) {
  const std::pair<int, DWORD> cases[] = {
      {EACCES, 10013}, {EPERM, 10013}, {ENETUNREACH, 10051}, {EHOSTUNREACH, 10065},
      {EMSGSIZE, 10040}, {ETIMEDOUT, 10060}, {EINVAL, 10022}, {ENOMEM, 8}, {EXDEV, 31},
  };
  for (const auto& [from, to] : cases) EXPECT_EQ(ErrorFromErrno(from), to) << from;
}

TEST(LastError, ResolverMapping) {
  EXPECT_EQ(ErrorFromResolver(EAI_NONAME, 0), 11001u);
  EXPECT_EQ(ErrorFromResolver(EAI_AGAIN, 0), 11002u);
  EXPECT_EQ(ErrorFromResolver(EAI_FAIL, 0), 11003u);
  EXPECT_EQ(ErrorFromResolver(EAI_NODATA, 0), 11004u);
  EXPECT_EQ(ErrorFromResolver(EAI_SYSTEM, ECONNREFUSED), 10061u);
}

}  // namespace
