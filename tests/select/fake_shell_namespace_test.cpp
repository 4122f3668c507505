// The fake the folder-tree tests use keeps the shell's contract.
#include "fakes/fake_shell_namespace.h"

#include "select/shell_namespace_contract.h"

namespace tvx {
namespace {

INSTANTIATE_TEST_SUITE_P(Fake, ShellNamespaceContract,
                         testing::Values(ShellNamespaceMaker(
                             [] { return std::make_unique<FakeShellNamespace>(); })));

}  // namespace
}  // namespace tvx
