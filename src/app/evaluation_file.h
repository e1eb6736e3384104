#pragma once
// Evaluation files (*.evl): an applicant as five lines of plain text, each
// ended by CR LF --
//   1. first name            2. last name
//   3. age, marital status index
//   4. last employer
//   5. years at last job, number of jobs, job title index and the four
//      rating indices (general, database, component writing, graphics)
// Numbers are plain decimal integers separated by single blanks.
//
// Reading is forgiving about layout the way the format always was: an
// integer skips any blanks and line ends before it; a whole line (names,
// employer) is read up to CR or LF. It is strict about content: a field
// that is not an integer, is missing or is out of its control's range is an
// error naming the file and the line. The whole text is read and checked
// before anything is stored, so after an error the target is as it was.

#include <stdexcept>
#include <string>

#include "app/applicant.h"

namespace vettora {

class EEvaluationFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's text for the applicant.
[[nodiscard]] std::string EvaluationText(const TApplicant& applicant);

// Reads `text` into `applicant`, all of it or (raising
// EEvaluationFileError) nothing; `fileName` names the source in error
// messages.
void ReadEvaluationText(const std::string& text, const std::string& fileName,
                        TApplicant& applicant);

// Reads the file into `applicant` (as ReadEvaluationText); a file that
// cannot be read raises EEvaluationFileError naming it.
void LoadEvaluationFile(const std::string& fileName, TApplicant& applicant);

// Writes the file through a temporary file beside it that replaces the old
// one only once it is complete, so a failed save leaves the old file as it
// was. Raises EEvaluationFileError naming the file.
void SaveEvaluationFile(const std::string& fileName, const TApplicant& applicant);

}  // namespace vettora
