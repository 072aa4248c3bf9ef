#pragma once

namespace talmo {

// The system error codes an import returns.
namespace RegImportResult {
inline constexpr int Success = 0;
inline constexpr int FileNotFound = 2;
inline constexpr int AccessDenied = 5;
inline constexpr int NotEnoughMemory = 8;
inline constexpr int BadFormat = 11;
inline constexpr int ReadFault = 30;
inline constexpr int InvalidParameter = 87;
}

} // namespace talmo
