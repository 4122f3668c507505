// What every shell namespace must do with the folders of the file system,
// run against the fake natively and the real shell under Wine. Each
// implementation file instantiates the suite with a maker of its namespace.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/shell_namespace.h"

namespace tvx {

using ShellNamespaceMaker = std::function<std::unique_ptr<ShellNamespace>()>;

class ShellNamespaceContract : public testing::TestWithParam<ShellNamespaceMaker> {};

}  // namespace tvx
