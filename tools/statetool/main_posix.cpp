// Linux entry point: arguments arrive as UTF-8, already split.
#include <string>
#include <vector>

#include "base/text.h"
#include "statetool/tool_main.h"

int main(int argc, char** argv) {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(tvx::FromUtf8(argv[i]));
  return tvx::RunStateTool(argc > 0 ? tvx::FromUtf8(argv[0]) : std::wstring(), arguments);
}
