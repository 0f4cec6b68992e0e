// The object names of the windows that other windows open by name through the registry,
// so that one window need not know another's class.
#pragma once

namespace links {

inline constexpr const char* kOutpatientLogWindow = "Form7";
inline constexpr const char* kWorkloadWindow = "Form12";
inline constexpr const char* kMedicalRecordWindow = "Form14";

}  // namespace links
