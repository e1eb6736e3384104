// Evaluation files: writing, the field-by-field reader and saving through a
// temporary file.
#include "app/evaluation_file.h"

#include <QFile>
#include <charconv>

#include "app/messages.h"
#include "app/replace_file.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kCrLf = "\r\n";

// Reads the fields of one file, counting lines for error messages.
class TEvaluationReader {
 public:
  TEvaluationReader(const std::string& text, const std::string& fileName)
      : FText(text), FFileName(fileName) {}

  // Up to CR or LF; the line end (CR LF counting as one) is consumed.
  std::string ReadLine() {
    size_t start = FPos;
    while (FPos < FText.size() && FText[FPos] != '\r' && FText[FPos] != '\n') ++FPos;
    std::string line = FText.substr(start, FPos - start);
    SkipLineEnd();
    return line;
  }

  // Drops the rest of the current line with its line end.
  void SkipRestOfLine() { (void)ReadLine(); }

  // Skips everything below code 33 (counting line ends), then takes the
  // characters up to a blank, CR, LF or tab and converts them; the value
  // must lie in min..max, `field` names it in the range error.
  int32_t ReadInteger(const char* field, int32_t min, int32_t max) {
    while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) < 33) {
      if (FText[FPos] == '\n' || (FText[FPos] == '\r' && !NextIs(FPos, '\n'))) ++FLine;
      ++FPos;
    }
    size_t start = FPos;
    while (FPos < FText.size() && !IsSeparator(FText[FPos])) ++FPos;
    std::string word = FText.substr(start, FPos - start);
    if (word.empty()) Fail(FormatMessage(kEvlMissingInteger, {FFileName, FLine}));
    int32_t value = Convert(word);
    if (value < min || value > max)
      Fail(FormatMessage(kEvlOutOfRange, {FFileName, FLine, value, field, min, max}));
    return value;
  }

 private:
  static bool IsSeparator(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }
  [[nodiscard]] bool NextIs(size_t at, char c) const {
    return at + 1 < FText.size() && FText[at + 1] == c;
  }

  void SkipLineEnd() {
    if (FPos >= FText.size()) return;
    if (FText[FPos] == '\r' && NextIs(FPos, '\n')) ++FPos;
    ++FPos;
    ++FLine;
  }

  // A decimal integer with an optional sign that fits 32 bits.
  int32_t Convert(const std::string& word) const {
    const char* first = word.data();
    const char* last = first + word.size();
    if (*first == '+') ++first;
    int32_t value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
      Fail(FormatMessage(kEvlNotInteger, {FFileName, FLine, word}));
    return value;
  }

  [[noreturn]] static void Fail(const std::string& message) { throw EEvaluationFileError(message); }

  const std::string& FText;
  const std::string& FFileName;
  size_t FPos = 0;
  int32_t FLine = 1;
};

constexpr int32_t LastIndex(size_t count) { return int32_t(count) - 1; }

}  // namespace

std::string EvaluationText(const TApplicant& a) {
  std::string text = a.FirstName + kCrLf + a.LastName + kCrLf;
  text += std::to_string(a.Age) + " " + std::to_string(a.MaritalStatus) + kCrLf;
  text += a.LastEmployer + kCrLf;
  text += std::to_string(a.YearsAtJob) + " " + std::to_string(a.NumJobs) + " " +
          std::to_string(a.JobTitle);
  for (int32_t rating : a.Ratings) text += " " + std::to_string(rating);
  return text + kCrLf;
}

// Read into a copy that replaces the target only once every field is valid.
void ReadEvaluationText(const std::string& text, const std::string& fileName,
                        TApplicant& applicant) {
  TApplicant a = applicant;
  TEvaluationReader reader(text, fileName);
  a.FirstName = reader.ReadLine();
  a.LastName = reader.ReadLine();
  a.Age = reader.ReadInteger("the age", kAgeMin, kAgeMax);
  a.MaritalStatus =
      reader.ReadInteger("the marital status", 0, LastIndex(kMaritalStatusCaptions.size()));
  reader.SkipRestOfLine();
  a.LastEmployer = reader.ReadLine();
  a.YearsAtJob = reader.ReadInteger("the years at the last job", kYearsMin, kYearsMax);
  a.NumJobs = reader.ReadInteger("the number of jobs", kJobsMin, kJobsMax);
  a.JobTitle = reader.ReadInteger("the job title", 0, LastIndex(kJobTitles.size()));
  static constexpr const char* kRatingFields[kSkillCount] = {
      "the general knowledge", "the database knowledge", "the component writing knowledge",
      "the graphics knowledge"};
  for (int i = 0; i < kSkillCount; ++i)
    a.Ratings[size_t(i)] =
        reader.ReadInteger(kRatingFields[i], 0, LastIndex(kRatingCaptions.size()));
  applicant = std::move(a);
}

void LoadEvaluationFile(const std::string& fileName, TApplicant& applicant) {
  QFile file(QString::fromStdString(fileName));
  if (!file.open(QIODevice::ReadOnly))
    throw EEvaluationFileError(
        FormatMessage(kEvlCannotOpen, {fileName, file.errorString().toStdString()}));
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EEvaluationFileError(
        FormatMessage(kEvlCannotOpen, {fileName, file.errorString().toStdString()}));
  ReadEvaluationText(bytes.toStdString(), fileName, applicant);
}

void SaveEvaluationFile(const std::string& fileName, const TApplicant& applicant) {
  std::string failure = ReplaceFile(fileName, EvaluationText(applicant));
  if (!failure.empty())
    throw EEvaluationFileError(FormatMessage(kEvlCannotSave, {fileName, failure}));
}

}  // namespace vettora
