#pragma once
// Message templates of the miscellaneous package, shared by code and tests.

namespace vettora {

// ---- Listings and pretty printers ------------------------------------------------
inline constexpr const char* kUnknownConstructName = "Unknown %s name: %s";
// The closing sentences of the listings.
inline constexpr const char* kListingTotal = "for a total of %d %s.";
inline constexpr const char* kFactsTotal = "For a total of %d facts.";
inline constexpr const char* kRulesTotal = "For a total of %d rules.";

// ---- Constructs that cannot go while they are in use -----------------------------
inline constexpr const char* kCannotRemoveFiringRule = "Cannot remove rule %s while it is firing";
inline constexpr const char* kCannotRemoveFiringTemplate =
    "Cannot remove fact template %s while the firing rule uses it";
inline constexpr const char* kCannotRemoveFiringType =
    "Cannot remove defined type %s while the firing rule uses it";

// ---- Dates and times -------------------------------------------------------------
inline constexpr const char* kInvalidDateText = "'%s' is not a valid date";
inline constexpr const char* kInvalidTimeText = "'%s' is not a valid time";
inline constexpr const char* kInvalidDateTimeText = "'%s' is not a valid date and time";
inline constexpr const char* kInvalidEncodedDate = "Invalid date: year %d, month %d, day %d";
inline constexpr const char* kInvalidEncodedTime =
    "Invalid time: hour %d, minute %d, second %d, millisecond %d";
inline constexpr const char* kDateOutOfRange = "Date-time value %s is out of range";
inline constexpr const char* kDateFormatTooLong = "Formatted date-time text is too long: %s";

// ---- Dialogs ---------------------------------------------------------------------
inline constexpr const char* kUnknownDialogType =
    "Unknown message dialog type: %s (expected mtWarning, mtError, mtInformation, "
    "mtConfirmation or mtCustom)";
inline constexpr const char* kUnknownDialogButton = "Unknown message dialog button: %s";

}  // namespace vettora
