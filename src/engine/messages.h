#pragma once
// Message templates of the engine component, its collections, streams and
// watches, shared by code and tests.

namespace vettora {

// ---- Engine facade, run cycle, collections ----------------------------------
inline constexpr const char* kDuplicateRuleName = "Duplicate Rules defined with same name: \"%s\"";
inline constexpr const char* kUnableToParseStrings = "Unable to parse strings of %s at this time";
inline constexpr const char* kFactTemplateNameExists = "Fact Template Name already exists: \"%s\"";
inline constexpr const char* kDefinedTypeNameExists = "Defined Type Name already exists: \"%s\"";
inline constexpr const char* kDuplicateStreamName =
    "Duplicate streams defined with same name: \"%s\"";
inline constexpr const char* kInvalidStreamName = "Invalid stream name: %s";
// A rule value whose host component was destroyed.
inline constexpr const char* kHostObjectFreed = "Object has been freed: %s";
// Host runtime refusals.
inline constexpr const char* kHostBadMember = "Invalid value %s for property %s";
inline constexpr const char* kHostCannotCreate = "Cannot create an object of class %s";
inline constexpr const char* kHostCannotFree = "Cannot free an object of class %s";
inline constexpr const char* kHostReadOnlyProperty = "Property %s is read-only";
inline constexpr const char* kHostNotAnAction = "Object of class %s is not an action";
inline constexpr const char* kPrintOutUnassigned = "Function is unimplemented or unassigned: %s";
// Counters that would pass the largest 32-bit integer.
inline constexpr const char* kEngineIntegerOverflow = "Integer overflow: %s";
// Statistics printed at the end of a run.
inline constexpr const char* kStatRulesFired = "%d rules fired.     Run time is %s seconds";
inline constexpr const char* kStatRulesPerSecond = "%s rules per second";
inline constexpr const char* kStatMeanFacts = "%s mean number of facts (%d maximum)";
inline constexpr const char* kStatMeanActivations = "%s mean number of activations (%d maximum)";
inline constexpr const char* kWrongCollectionClass = "Invalid collection class %s for the %s";
// ---- end of engine facade, run cycle, collections ---------------------------

// ---- Input and output streams -----------------------------------------------
inline constexpr const char* kInputEventUnassigned =
    "The %s event has not been implemented or unassigned.\r\nWarning: Implementation of this "
    "function requires a blocking mechanism, \r\nsuch as ShowModal, or the use of threads";
inline constexpr const char* kStreamNotTokenizer = "Stream %s cannot be read token by token";
inline constexpr const char* kNoTokenRead = "The %s event gave no token";
// ---- end of input and output streams ----------------------------------------

// ---- Rule-language parser ---------------------------------------------------
inline constexpr const char* kParsingError = "Parsing Error, %s in %s at line %s: %s";
inline constexpr const char* kErrorsParsingStream = "Errors parsing stream:\r\n%s";
inline constexpr const char* kUnexpectedSymbol =
    "Unexpected symbol, expected a \"(\", constant, or global variable: %s";
inline constexpr const char* kExpectedOpenAtom = "Expected \"( <atom>\"";
inline constexpr const char* kExpectedOpenParen = "Expected \"(\"";
inline constexpr const char* kExpectedCloseParen = "Expected \")\"";
inline constexpr const char* kExpectedArrow = "Expected \"=>\"";
inline constexpr const char* kExpectedWord = "Expected \"%s\"";
inline constexpr const char* kExpectedDefrule = "Expected \"( defrule\"";
inline constexpr const char* kExpectedDeffacts = "Expected \"( deffacts\"";
inline constexpr const char* kExpectedDeftemplate = "Expected \"( deftemplate\"";
inline constexpr const char* kExpectedDeffunction = "Expected \"( deffunction\"";
inline constexpr const char* kExpectedDeftype = "Expected \"( deftype\"";
inline constexpr const char* kExpectedTerm = "Expected \"( term\"";
inline constexpr const char* kMissingName = "Missing name";
inline constexpr const char* kMissingParentTemplate = "Missing name of parent template to extend";
inline constexpr const char* kMissingTemplateType = "Missing name of type for fact template";
inline constexpr const char* kMissingKeyword = "Missing keyword.  Expected \"%s\"";
inline constexpr const char* kExpectedExtendsOrIsA = "Expected \"(\", \"extends\", or \"is-a\"";
inline constexpr const char* kUnknownTypeName = "type name unknown or invalid: %s";
inline constexpr const char* kUnknownFactTemplate = "Unknown fact template: %s";
inline constexpr const char* kInvalidSlotType = "Invalid slot type: %s";
inline constexpr const char* kInvalidSlotQualifier = "Invalid slot qualifier: %s";
inline constexpr const char* kModifyFuzzySlotType =
    "Invalid attempt to modify fuzzy type in fact template slot, fuzzy types cannot be modified";
inline constexpr const char* kMultipleTypeInheritance =
    "Multiple inheritance is not allowed for deftypes";
inline constexpr const char* kExpectedRuleProperty =
    "Expected rule property, salience, oneshot, or enabled";
inline constexpr const char* kExpectedBound = "Expected integer, variable, or function call for %s";
inline constexpr const char* kUnexpectedCharacter = "Unexpected character found: \"%s\"";
inline constexpr const char* kBadGlobalName =
    "Bad Variable Name, must start and end with an asterisk: %s";
inline constexpr const char* kMissingRangeStatement = "Missing range statement";
inline constexpr const char* kExpectedValueMissing = "Expected value missing";
inline constexpr const char* kExpectedAllowedValue =
    "Expected allowed value argument for deftype, received %s";
inline constexpr const char* kExpectedBindArrow = "Expected \"<-\"";
inline constexpr const char* kCannotBindNotTest =
    "\"not\" and \"test\" CEs cannot be bound to variables";
inline constexpr const char* kBadSlotValue = "Bad Slot Value: %s";
inline constexpr const char* kSlotNotMultislot = "Slot \"%s\" is not a multislot";
inline constexpr const char* kUnexpectedEndOfStream = "Unexpected end of stream";
inline constexpr const char* kBadArgument = "Bad Argument: %s";
inline constexpr const char* kEqualsInFact = "\"=\" cannot appear as an atom within a fact";
inline constexpr const char* kFuzzyTypeNeeded = "Fuzzy Type Definition needed to parse value";
inline constexpr const char* kInvalidFuzzyExpression = "Invalid Fuzzy Expression: %s";
inline constexpr const char* kExpectedPointCoordinate =
    "Expected number, variable, or function call";
inline constexpr const char* kInvalidFloatText = "'%s' is not a valid floating point value";
// Text nested deeper than the parser follows.
inline constexpr const char* kNestingTooDeep =
    "Parentheses nested too deeply (more than %d levels)";
// ---- end of rule-language parser --------------------------------------------

// ---- Standard package -------------------------------------------------------
inline constexpr const char* kFunctionNeedsEngine = "%s can run only inside an engine";
// ---- end of standard package ------------------------------------------------

// ---- Standard package: facts, storage and multifields -----------------------
inline constexpr const char* kCannotBackchain = "Cannot backchain on special CEs: %s";
// The comment of the goal template that do-backward-chaining makes.
inline constexpr const char* kGoalSeekerComment = "Goal seeker for ";
inline constexpr const char* kInvalidMultifieldRange =
    "Invalid multifield begin and end parameters: %d, %d";
// ---- end of standard package: facts, storage and multifields ----------------

// ---- Standard package: logic, control, output, files, engine commands ------
inline constexpr const char* kSyntaxError = "Syntax Error: %s";
inline constexpr const char* kMissingThen = "Missing \"then\" in an IF statement";
inline constexpr const char* kMissingCatchOrFinally =
    "Missing catch or finally statement for try block";
inline constexpr const char* kInvalidFileAccess = "Invalid File Access Specifier: \"%s\"";
inline constexpr const char* kCannotWatch = "Cannot watch %s";
inline constexpr const char* kCannotUnwatch = "Cannot unwatch %s";
// A format directive the control string cannot use.
inline constexpr const char* kBadFormatDirective = "Invalid format directive: \"%s\"";
// ---- end of standard package: logic, control, output, files, commands ------

// ---- Knowledge-base text, loading and parse entries --------------------------
inline constexpr const char* kNoRuleLanguageParser =
    "No rule-language parser is plugged into the engine";
// ---- end of knowledge-base text, loading and parse entries -------------------

// ---- Collections: texts, copies and stored properties -----------------------
inline constexpr const char* kFactTemplatesCorrupted =
    "Fact templates inheritance structure corrupted";
inline constexpr const char* kDefinedTypesCorrupted = "Defined types inheritance structure corrupted";
inline constexpr const char* kUnknownStoredProperty = "Unknown stored property: %s";
inline constexpr const char* kBadStoredSetting = "Invalid value for stored property %s: %s";
// ---- end of collections: texts, copies and stored properties ----------------

}  // namespace vettora
