#pragma once
// The knowledge file: the user's edits of the rules (with their templates
// and types) and of the company data, kept between runs in one file of the
// user's application-data folder, so that the window starts with them.
//
// The file is a JSON object:
//   "Format"         "Vettora edited knowledge 1"
//   "DefinedTypes"   the engine's defined types as the rule language writes them
//   "FactTemplates"  the engine's fact templates, likewise
//   "Rules"          the engine's rules, the rule components' among them
//   "FactSet"        the company data: FactSet1's facts, one text each, in order
//
// Reading checks the whole file in a scratch engine before the assessment
// is touched, so a damaged file changes nothing. Saving writes a temporary
// file beside the old one that replaces it only once it is complete.

#include <memory>
#include <stdexcept>
#include <string>

#include "app/stored_form.h"

namespace vettora {

class TAssessment;

class EKnowledgeFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "<application data folder>/knowledge.vkb" (QStandardPaths::AppDataLocation).
[[nodiscard]] std::string DefaultKnowledgePath();

// The file's text for the assessment's engine and fact set.
[[nodiscard]] std::string KnowledgeText(TAssessment& assessment);

// Replaces the assessment's types, templates, rules and company data with
// the text's, then reattaches the rule components. A text that is not a
// knowledge file or holds a construct that does not read raises
// EKnowledgeFileError before anything changed; an error while writing the
// checked knowledge into the engine raises too, with part of it taken.
void ApplyKnowledgeText(const std::string& text, TAssessment& assessment);

// Writes the file (making its folder); raises EKnowledgeFileError.
void SaveKnowledgeFile(const std::string& fileName, TAssessment& assessment);

// The assessment of the stored form with the edits of the knowledge file
// applied when there is one. With a damaged file the assessment is the
// stored form's alone and Warning says why.
struct TLoadedAssessment {
  std::unique_ptr<TAssessment> Assessment;
  bool Edited = false;  // the knowledge file was applied
  std::string Warning;
};
// The stored form itself must be sound (EIEException otherwise).
[[nodiscard]] TLoadedAssessment LoadAssessment(const TFormHandlers& handlers,
                                               const std::string& knowledgeFile);

}  // namespace vettora
