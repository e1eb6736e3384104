#pragma once
// `vettora --assess FILE.evl`: the window's assessment without a window.
// Prints the job offer and the starting salary (or the apology), one per
// line, and answers 0; an unreadable or malformed file, or an error of the
// rule base, is a message on `err` and answers 1.
//
// The rules and the company data are the window's: the stored form with
// the edits of the knowledge file `knowledgeFile` (none when empty). A
// damaged knowledge file is reported on `err` and the stored form used.

#include <iosfwd>
#include <string>

namespace vettora {

[[nodiscard]] int RunAssessCommand(const std::string& fileName, const std::string& knowledgeFile,
                                   std::ostream& out, std::ostream& err);

}  // namespace vettora
