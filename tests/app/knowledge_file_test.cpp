// The knowledge file: edits read back into a fresh assessment exactly and
// keep the rule components working; a damaged file changes nothing and
// falls back to the stored form; saving never leaves half a file.
#include "app/knowledge_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/app_resources.h"
#include "app/assessment.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/fact_set.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "file_size_limit.h"
#include "matching/rule.h"

namespace vettora {
namespace {

// The life penalty with a factor that four decimals would round.
constexpr const char* kFineLifePenalty =
    "(defrule have-life-penalty (Initial-Fact) (not (penalties married)) "
    "(applicant (marital-status Married)) ?offersalary1 <- (offer (salary ?salary1)) "
    "(original-offer ?sal) => (assert (penalties married)) "
    "(modify ?offersalary1 (salary (- ?salary1 (* ?sal 0.00125)))))";
constexpr const char* kTemperature =
    "(deftype temp extends (type FUZZY) (range 0 100) "
    "(values (term cold ((0 1) (50 0))) (term hot ((50 0) (100 1)))))";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class KnowledgeFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitAppResources(); }

  void SetUp() override {
    FDir = std::filesystem::temp_directory_path() /
           ("vettora_kb_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }

  TFormHandlers Handlers() {
    TFormHandlers h;
    h.FactEvents["InferenceEngine1Assertion"] = [](TObject&, const IFact&) {};
    h.RuleFireEvents["Rule1Fire"] = [this](TObject&, TIEContext& c) {
      FOffer =
          TAssessment::VariableText(c, "title1") + " " + TAssessment::VariableText(c, "salary1");
    };
    h.RuleFireEvents["Rule2Fire"] = [this](TObject&, TIEContext&) { FOffer = "apology"; };
    return h;
  }
  std::unique_ptr<TAssessment> Fresh() {
    return std::make_unique<TAssessment>(WindowStoredForm(), Handlers());
  }
  // What the rule components report for an applicant with that job title.
  std::string Offer(TAssessment& assessment, int32_t jobTitle, int32_t maritalStatus = 0) {
    TApplicant applicant;
    applicant.JobTitle = jobTitle;
    applicant.MaritalStatus = maritalStatus;
    FOffer.clear();
    assessment.Assess(applicant);
    return FOffer;
  }
  // An assessment with an opening for managers, a finer life penalty and
  // a defined type.
  std::unique_ptr<TAssessment> Edited() {
    auto a = Fresh();
    a->FactSet().AddFact(a->Engine().ParseFact("(job-openings Manager)"));
    a->Engine().ExecuteText(kFineLifePenalty);
    a->Engine().ExecuteText(kTemperature);
    a->ReattachRuleComponents();
    return a;
  }

  std::filesystem::path FDir;
  std::string FOffer;
};

TEST_F(KnowledgeFile, EditsReadBackExactlyIntoTheStoredForm) {
  auto edited = Edited();
  std::string text = KnowledgeText(*edited);
  auto read = Fresh();
  ApplyKnowledgeText(text, *read);
  EXPECT_EQ(read->FactSet().Facts().Lines(), edited->FactSet().Facts().Lines());
  EXPECT_EQ(read->Engine().Rules().Text(), edited->Engine().Rules().Text());
  EXPECT_EQ(read->Engine().FactTemplates().Texts(), edited->Engine().FactTemplates().Texts());
  EXPECT_EQ(read->Engine().DefinedTypes().Texts(), edited->Engine().DefinedTypes().Texts());
  EXPECT_EQ(KnowledgeText(*read), text);  // a file read and written again stays the same
  EXPECT_EQ(Offer(*read, 2), "Manager 45000");
  // 40000 - 40000 * 0.00125: the factor kept every digit.
  EXPECT_EQ(Offer(*read, 0, 1), "Programmer 39950.0000");
}

TEST_F(KnowledgeFile, RuleComponentsTakeTheirEditedRulesAndStayOutWhenDeleted) {
  auto edited = Fresh();
  TInferenceEngine& engine = edited->Engine();
  // The salience goes: the component must not keep its old 10.
  engine.ExecuteText(
      "(defrule display-assessment \"shown\" (offer (salary ?salary1) (title ?title1)) =>)");
  engine.RemoveRule(*engine.FindRule("no-job-openings"));
  edited->ReattachRuleComponents();
  auto read = Fresh();
  ApplyKnowledgeText(KnowledgeText(*edited), *read);
  TRule* display = read->RuleComponents().at(0);
  TRule* apology = read->RuleComponents().at(1);
  EXPECT_EQ(read->Engine().FindRule("display-assessment"), display);
  EXPECT_EQ(display->Comment(), "shown");
  EXPECT_EQ(display->Salience(), 0);
  EXPECT_EQ(read->Engine().FindRule("no-job-openings"), nullptr);
  EXPECT_EQ(apology->Engine(), nullptr);
  EXPECT_EQ(Offer(*read, 0), "Programmer 40000");
  EXPECT_EQ(Offer(*read, 2), "");  // the apology's component is out of the network too
}

// Each damage is refused before the assessment is touched.
TEST_F(KnowledgeFile, ADamagedTextChangesNothing) {
  std::string good = KnowledgeText(*Edited());
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  };
  struct {
    std::string Text;
    std::string Message;
  } cases[] = {
      {"", "not a knowledge file"},
      {good.substr(0, good.size() / 2), "not a knowledge file"},
      {"[1, 2]", "not a knowledge file"},
      {R"({"Format": "Other 2"})", "unknown format \"Other 2\""},
      {replaced("\"FactSet\"", "\"Facts\""), "\"FactSet\" is missing or not a list of texts"},
      {replaced("\"Rules\": [", "\"Rules\": [12, "), "\"Rules\" is missing or not a list"},
      {replaced("\"Rules\": [", "\"Rules\": [\"(defrule broken (offer =>\", "), "Rules, item 1: "},
      // A command is not a rule: nothing of the file is ever executed.
      {replaced("\"Rules\": [", "\"Rules\": [\"(assert (job-openings Artist))\", "),
       "Rules, item 1: "},
      {replaced("\"FactTemplates\": [", "\"FactTemplates\": [\"(deftemplate\", "),
       "FactTemplates, item 1: "},
      {replaced("\"FactSet\": [", "\"FactSet\": [\"(job-openings Artist\", "), "FactSet, item 1: "},
  };
  for (const auto& c : cases) {
    auto a = Fresh();
    std::string before = KnowledgeText(*a);
    try {
      ApplyKnowledgeText(c.Text, *a);
      ADD_FAILURE() << "accepted: " << c.Text.substr(0, 200);
    } catch (const EKnowledgeFileError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.Message, 0), 0u)
          << error.what() << " / " << c.Message;
    }
    EXPECT_EQ(KnowledgeText(*a), before) << c.Message;
    EXPECT_EQ(Offer(*a, 0), "Programmer 40000") << c.Message;
    EXPECT_EQ(Offer(*a, 3), "apology") << c.Message;
  }
}

TEST_F(KnowledgeFile, LoadingUsesTheFileWhenSoundAndTheStoredFormOtherwise) {
  std::filesystem::path path = FDir / "knowledge.vkb";
  TLoadedAssessment none = LoadAssessment(Handlers(), path.string());
  EXPECT_FALSE(none.Edited);
  EXPECT_EQ(none.Warning, "");

  SaveKnowledgeFile(path.string(), *Edited());
  TLoadedAssessment edited = LoadAssessment(Handlers(), path.string());
  EXPECT_TRUE(edited.Edited);
  EXPECT_EQ(edited.Warning, "");
  EXPECT_EQ(Offer(*edited.Assessment, 2), "Manager 45000");

  WriteFile(path, ReadFile(path).substr(0, 300));
  TLoadedAssessment damaged = LoadAssessment(Handlers(), path.string());
  EXPECT_FALSE(damaged.Edited);
  EXPECT_EQ(damaged.Warning, "The edited rules in \"" + path.string() +
                                 "\" cannot be used (not a knowledge file); the original rules "
                                 "are used instead.");
  EXPECT_EQ(Offer(*damaged.Assessment, 2), "apology");
  EXPECT_EQ(Offer(*damaged.Assessment, 0), "Programmer 40000");
}

TEST_F(KnowledgeFile, SavingMakesTheFolderAndNeverLeavesHalfAFile) {
  std::filesystem::path path = FDir / "new" / "folder" / "knowledge.vkb";
  auto edited = Edited();
  SaveKnowledgeFile(path.string(), *edited);
  std::string old = ReadFile(path);
  EXPECT_EQ(old, KnowledgeText(*edited));

  auto big = Fresh();
  big->FactSet().AddFact(big->Engine().ParseFact("(job-openings " + std::string(4096, 'x') + ")"));
  std::string message;
  {
    TFileSizeLimit limit(rlim_t(old.size()));
    ASSERT_TRUE(limit.Active());
    try {
      SaveKnowledgeFile(path.string(), *big);
    } catch (const EKnowledgeFileError& error) {
      message = error.what();
    }
  }
  EXPECT_NE(message.find("cannot save \"" + path.string() + "\""), std::string::npos) << message;
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1);
}

}  // namespace
}  // namespace vettora
