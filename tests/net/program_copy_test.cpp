#include "net/program_copy.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/path.h"
#include "fakes/sandbox_root.h"

namespace tvx {
namespace {

TEST(ProgramCopy, CarriesThePortableFolderAndReplacesAnEarlierCopy) {
  SandboxRoot sandbox;
  const std::wstring program = sandbox.Join(L"Program");
  const std::wstring target = sandbox.Join(L"Stick");
  ASSERT_TRUE(MakeFolderPath(JoinPath(program, L"Tralvex\\Lang")));
  ASSERT_TRUE(WriteWholeFile(JoinPath(program, L"Tralvex\\Lang\\LangENG.ini"), "v2"));
  ASSERT_TRUE(MakeFolderPath(JoinPath(target, L"Tralvex\\Lang")));
  ASSERT_TRUE(WriteWholeFile(JoinPath(target, L"Tralvex\\Lang\\LangENG.ini"), "v1"));

  std::wstring error;
  EXPECT_TRUE(CopyProgramTo(program, target, error));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(JoinPath(target, L"Tralvex\\Lang\\LangENG.ini"), bytes));
  EXPECT_EQ(bytes, "v2");

  ASSERT_TRUE(RemoveFolderTree(JoinPath(program, L"Tralvex")));
  EXPECT_FALSE(CopyProgramTo(program, target, error));
  EXPECT_EQ(error, JoinPath(program, L"Tralvex") + L" not found");
}

}  // namespace
}  // namespace tvx
