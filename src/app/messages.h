#pragma once
// The application's own texts: messages, captions and file filters. Code
// and tests share them.

namespace vettora {

inline constexpr const char* kAppTitle = "Vettora Application";
inline constexpr const char* kProductName = "Vettora";
inline constexpr const char* kVersionLabel = "Version %s";
inline constexpr const char* kApology =
    "We are sorry %s, but there are no job openings at this time";
inline constexpr const char* kFileDialogFilter = "Evaluation Files (*.evl);;All Files (*)";
inline constexpr const char* kDefaultSuffix = "evl";
inline constexpr const char* kInstructionsHeading =
    "The company database is stored in a fact set and is as follows:";
inline constexpr const char* kInstructions =
    "Enter the applicant's personal data, employment experience and skill ratings, "
    "then press Assess. The rules below derive the job offer and the starting salary "
    "from the company database; the \"Why this offer?\" page shows which of them fired.";
inline constexpr const char* kRuleLine = "Rule %d: %s";
inline constexpr const char* kRuleCommentIndent = "      ";

// The titles of the rules' message boxes, by message type.
inline constexpr const char* kDialogWarning = "Warning";
inline constexpr const char* kDialogError = "Error";
inline constexpr const char* kDialogInformation = "Information";
inline constexpr const char* kDialogConfirm = "Confirm";

// Evaluation files.
inline constexpr const char* kEvlCannotOpen = "Cannot open file \"%s\": %s";
inline constexpr const char* kEvlCannotSave = "Cannot save file \"%s\": %s";
inline constexpr const char* kEvlNotInteger =
    "Error reading \"%s\", line %d: '%s' is not a valid integer value";
inline constexpr const char* kEvlMissingInteger =
    "Error reading \"%s\", line %d: a number is missing";
inline constexpr const char* kEvlOutOfRange =
    "Error reading \"%s\", line %d: %d is out of range for %s (%d to %d)";

// The stored form.
inline constexpr const char* kFormInvalid = "Invalid stored form: %s";
inline constexpr const char* kFormUnknownClass = "Stored form: unknown component class %s of %s";
inline constexpr const char* kFormUnknownEngine = "Stored form: %s refers to unknown engine %s";
inline constexpr const char* kFormUnknownHandler = "Stored form: %s names unknown handler %s";
inline constexpr const char* kFormMissing = "Stored form: component %s is missing";

// The command line.
inline constexpr const char* kUsage = "usage: vettora [--assess FILE.evl]";
inline constexpr const char* kOfferSummary = "%s, starting salary %s";

// The "Why this offer?" panel.
inline constexpr const char* kWhyNothing = "Press Assess to see which rules made the offer.";
inline constexpr const char* kWhyNoRules = "No rule fired.";
inline constexpr const char* kWhyAsserted = "added %s";
inline constexpr const char* kWhyRetracted = "removed %s";
inline constexpr const char* kWhyChanged = "changed %s: %s";
inline constexpr const char* kWhySlotChange = "%s %s -> %s";
inline constexpr const char* kWhyNoChange = "changed no fact";
inline constexpr const char* kWhyAbsent = "no fact matched %s";
inline constexpr const char* kWhyBindings = "with %s";
inline constexpr const char* kWhyResult = "Result: %s";

}  // namespace vettora
