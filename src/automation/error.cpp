#include "palvex/error.h"

namespace palvex {
namespace {
std::string withDetail(const char* base, const std::string& detail) {
  return detail.empty() ? std::string(base) : std::string(base) + ": " + detail;
}
}  // namespace

Error overflowError(const std::string& detail) {
  return Error(ErrorNumber::Overflow, withDetail("Overflow", detail));
}
Error typeMismatchError(const std::string& detail) {
  return Error(ErrorNumber::TypeMismatch, withDetail("Type mismatch", detail));
}
Error subscriptError(const std::string& detail) {
  return Error(ErrorNumber::Subscript, withDetail("Subscript out of range", detail));
}
Error objectNotSetError(const std::string& detail) {
  return Error(ErrorNumber::ObjectNotSet, withDetail("Object variable not set", detail));
}
Error invalidCallError(const std::string& detail) {
  return Error(ErrorNumber::InvalidCall, withDetail("Invalid procedure call or argument", detail));
}
Error noSuchMemberError(const std::string& typeName, const std::string& member) {
  return Error(ErrorNumber::NoSuchMember,
               "Object doesn't support this property or method: " + typeName + "." + member);
}

}  // namespace palvex
