// The knowledge file: writing the edited knowledge, checking a file in a
// scratch engine and taking it into the assessment.
#include "app/knowledge_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <nlohmann/json.hpp>
#include <vector>

#include "app/assessment.h"
#include "app/messages.h"
#include "app/replace_file.h"
#include "engine/construct_factory.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/fact_set.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "values/format.h"

namespace vettora {

namespace {

using TJson = nlohmann::ordered_json;

constexpr const char* kFormat = "Format";
constexpr const char* kDefinedTypes = "DefinedTypes";
constexpr const char* kFactTemplates = "FactTemplates";
constexpr const char* kRules = "Rules";
constexpr const char* kFactSet = "FactSet";

struct TKnowledge {
  std::vector<std::string> DefinedTypes, FactTemplates, Rules, Facts;
};

[[noreturn]] void Fail(const std::string& message) { throw EKnowledgeFileError(message); }

std::vector<std::string> Strings(const TJson& file, const char* member) {
  auto it = file.find(member);
  if (it == file.end() || !it->is_array())
    Fail(FormatMessage(kKnowledgeBadMember, {member, "a list of texts"}));
  std::vector<std::string> texts;
  for (const TJson& item : *it) {
    if (!item.is_string()) Fail(FormatMessage(kKnowledgeBadMember, {member, "a list of texts"}));
    texts.push_back(item.get<std::string>());
  }
  return texts;
}

TKnowledge ParseKnowledge(const std::string& text) {
  TJson file = TJson::parse(text, nullptr, false);
  if (file.is_discarded() || !file.is_object()) Fail(kKnowledgeNotJson);
  auto format = file.find(kFormat);
  if (format == file.end() || !format->is_string()) Fail(kKnowledgeNotJson);
  if (format->get<std::string>() != kKnowledgeFormat)
    Fail(FormatMessage(kKnowledgeBadFormat, {format->get<std::string>()}));
  return {Strings(file, kDefinedTypes), Strings(file, kFactTemplates), Strings(file, kRules),
          Strings(file, kFactSet)};
}

// Runs `read` on each text, naming the part and the item that fails.
template <class TRead>
void ReadPart(const char* part, const std::vector<std::string>& texts, TRead read) {
  for (size_t i = 0; i < texts.size(); ++i) {
    try {
      read(texts[i]);
    } catch (const std::exception& error) {
      Fail(FormatMessage(kKnowledgeBadPart, {part, int32_t(i + 1), error.what()}));
    }
  }
}

// The knowledge read into `scratch`, an engine with the packages of the
// real one: one construct per text, so no command of the file is ever run.
void ReadInto(TInferenceEngine& scratch, const TKnowledge& k) {
  IEngineParser& parser = scratch.Parser();
  ReadPart(kDefinedTypes, k.DefinedTypes,
           [&](const std::string& t) { scratch.DefinedTypes().Add(parser.ParseDefinedType(t)); });
  ReadPart(kFactTemplates, k.FactTemplates,
           [&](const std::string& t) { scratch.FactTemplates().Add(parser.ParseFactTemplate(t)); });
  ReadPart(kRules, k.Rules,
           [&](const std::string& t) { (void)AddParsedRule(scratch, parser.ParseRule(t)); });
  ReadPart(kFactSet, k.Facts, [&](const std::string& t) {
    if (!scratch.ParseFact(t)) throw EKnowledgeFileError(kKnowledgeNotAFact);
  });
}

// Written back as the rules dialog writes an edit back, then the company
// data; the rule components take their places again.
void TakeKnowledge(TAssessment& assessment, const TInferenceEngine& source,
                   const std::vector<std::string>& facts) {
  // The collections copy rules and types through their texts: with every
  // digit, or a factor such as 0.00125 would arrive as 0.0013.
  TReadBackText exact;
  TInferenceEngine& engine = assessment.Engine();
  engine.Rules().Clear();
  engine.DefinedTypes().Assign(source.DefinedTypes());
  engine.FactTemplates().Assign(source.FactTemplates());
  engine.Rules().Assign(source.Rules());
  assessment.FactSet().SetFacts(facts);
  assessment.ReattachRuleComponents();
}

std::string ReadWhole(const std::string& fileName) {
  QFile file(QString::fromStdString(fileName));
  if (!file.open(QIODevice::ReadOnly)) Fail(file.errorString().toStdString());
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) Fail(file.errorString().toStdString());
  return bytes.toStdString();
}

}  // namespace

std::string DefaultKnowledgePath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath(kKnowledgeFileName).toStdString();
}

std::string KnowledgeText(TAssessment& assessment) {
  TInferenceEngine& engine = assessment.Engine();
  TReadBackText exact;  // floats with every digit, so that they read back
  TJson file;
  file[kFormat] = kKnowledgeFormat;
  file[kDefinedTypes] = engine.DefinedTypes().Texts();
  file[kFactTemplates] = engine.FactTemplates().Texts();
  file[kRules] = engine.Rules().Texts();
  file[kFactSet] = assessment.FactSet().Facts().Lines();
  return file.dump(1, ' ', false, TJson::error_handler_t::replace) + "\n";
}

void ApplyKnowledgeText(const std::string& text, TAssessment& assessment) {
  TKnowledge knowledge = ParseKnowledge(text);
  TInferenceEngine scratch;
  scratch.SetPackages(assessment.Engine().Packages());
  ReadInto(scratch, knowledge);
  TakeKnowledge(assessment, scratch, knowledge.Facts);
}

void SaveKnowledgeFile(const std::string& fileName, TAssessment& assessment) {
  QString folder = QFileInfo(QString::fromStdString(fileName)).absolutePath();
  if (!QDir().mkpath(folder))
    Fail(FormatMessage(kKnowledgeCannotSave, {fileName, "cannot make its folder"}));
  std::string failure = ReplaceFile(fileName, KnowledgeText(assessment));
  if (!failure.empty()) Fail(FormatMessage(kKnowledgeCannotSave, {fileName, failure}));
}

TLoadedAssessment LoadAssessment(const TFormHandlers& handlers, const std::string& knowledgeFile) {
  TLoadedAssessment loaded;
  loaded.Assessment = std::make_unique<TAssessment>(WindowStoredForm(), handlers);
  if (knowledgeFile.empty() || !QFileInfo::exists(QString::fromStdString(knowledgeFile)))
    return loaded;
  try {
    ApplyKnowledgeText(ReadWhole(knowledgeFile), *loaded.Assessment);
    loaded.Edited = true;
  } catch (const std::exception& error) {
    loaded.Warning = FormatMessage(kKnowledgeDamaged, {knowledgeFile, error.what()});
    // Whatever part was taken goes with it: the stored form alone is used.
    loaded.Assessment = std::make_unique<TAssessment>(WindowStoredForm(), handlers);
  }
  return loaded;
}

}  // namespace vettora
