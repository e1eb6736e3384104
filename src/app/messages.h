#pragma once
// The application's own texts: messages, captions and file filters. Code
// and tests share them.

namespace vettora {

inline constexpr const char* kAppTitle = "Vettora Application";
inline constexpr const char* kProductName = "Vettora";
// The program's name for its application-data folder.
inline constexpr const char* kAppDataName = "vettora";
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

// Editing the rules and the company data.
inline constexpr const char* kFactSetDialogCaption = "Edit initial facts...";
inline constexpr const char* kRulesDialogCaption = "Edit evaluation rules...";
inline constexpr const char* kKnowledgeFileName = "knowledge.vkb";
inline constexpr const char* kKnowledgeFormat = "Vettora edited knowledge 1";
inline constexpr const char* kKnowledgeDamaged =
    "The edited rules in \"%s\" cannot be used (%s); the original rules are used instead.";
inline constexpr const char* kKnowledgeCannotSave =
    "The edited rules cannot be kept for the next start: cannot save \"%s\": %s";
inline constexpr const char* kKnowledgeCannotRemove =
    "The edited rules in \"%s\" cannot be removed: %s";
inline constexpr const char* kKnowledgeNotJson = "not a knowledge file";
inline constexpr const char* kKnowledgeBadFormat = "unknown format \"%s\"";
inline constexpr const char* kKnowledgeBadMember = "\"%s\" is missing or not %s";
inline constexpr const char* kKnowledgeNotAFact = "not a fact";
inline constexpr const char* kKnowledgeBadPart = "%s, item %d: %s";
inline constexpr const char* kEditFailed = "The edit could not be taken over and was undone: %s";
inline constexpr const char* kConfirmRestore =
    "Restore the original rules and company data? Your edits of the rules and of the "
    "company data are lost.";

// Unsaved changes and the window title.
inline constexpr const char* kAskSaveChanges = "Do you want to save the changes to %s?";
inline constexpr const char* kNewEvaluation = "the new evaluation";
inline constexpr const char* kTitleWithFile = "%s - %s";
inline constexpr const char* kModifiedMark = "*";

// Why an action is unavailable, added to its hint.
inline constexpr const char* kHintUnavailable = "%s (unavailable: %s)";
inline constexpr const char* kWhyNoSelection = "select some text first";
inline constexpr const char* kWhyNoEditFocused = "click into an edit field first";
inline constexpr const char* kWhyReadOnly = "this field cannot be changed";
inline constexpr const char* kWhyClipboardEmpty = "the clipboard holds no text";
inline constexpr const char* kWhyUnchanged = "nothing changed since the last save";
inline constexpr const char* kWhyAssessing = "an assessment is running";
inline constexpr const char* kWhyOriginalRules = "the original rules are in use";

}  // namespace vettora
