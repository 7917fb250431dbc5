#pragma once
// The fixed messages of the object model. All but the last are raised as std::runtime_error.

namespace trv::container::model::errors {

inline constexpr char const* kUnknownKey = "Unknown key.";
inline constexpr char const* kTypeMismatch = "Type mismatch.";
inline constexpr char const* kKeyExists = "Key already exists.";
inline constexpr char const* kTransactionInProgress =
    "Transaction in progress. Hierarchical transactions not supported (yet). Should we?";
inline constexpr char const* kModifyOutsideTransaction = "modify() may only be called within a transaction.";
inline constexpr char const* kErasedObject = "Trying to access erased object.";
inline constexpr char const* kExpiredObject = "Trying to access expired object.";
// Reported (not raised) when putting an object back on rollback fails.
inline constexpr char const* kRestoreFailed = "Restoring an object on rollback failed.";

}  // namespace trv::container::model::errors
