#include "core/byte_size.h"

#include <cwchar>

namespace tvx {
namespace {

constexpr double kPerStep = 0.0009765625;  // 1/1024
constexpr int kMaxSteps = 3;               // KB, MB, GB; larger counts stay in GB

LanguageKey UnitOfSteps(int steps) {
  switch (steps) {
    case 1: return {L"COMMON", L"UNIT2"};
    case 2: return {L"COMMON", L"UNIT3"};
    default: return {L"COMMON", L"UNIT4"};
  }
}

}  // namespace

std::wstring FormatByteSize(std::uint64_t bytes, const LanguageTable& language) {
  wchar_t figure[64];
  if (bytes < 1024) {
    std::swprintf(figure, std::size(figure), L"%d ", static_cast<int>(bytes));
    return figure + language.GetText({L"COMMON", L"UNIT1"});
  }
  // Kept in single precision, as the figures have always been computed.
  float value = static_cast<float>(static_cast<double>(bytes) * kPerStep);
  int steps = 1;
  while (value >= 1024.0f && steps < kMaxSteps) {
    value = static_cast<float>(value * kPerStep);
    ++steps;
  }
  std::swprintf(figure, std::size(figure), L"%.2f ", static_cast<double>(value));
  return figure + language.GetText(UnitOfSteps(steps));
}

}  // namespace tvx
