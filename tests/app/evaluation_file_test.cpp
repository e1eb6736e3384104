// Evaluation files: the written layout, the forgiving reader and its error
// messages, and saving that never damages the previous file.
#include "app/evaluation_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "file_size_limit.h"

namespace vettora {
namespace {

TApplicant Sample() {
  TApplicant a;
  a.FirstName = "Ada";
  a.LastName = "Lovelace";
  a.Age = 36;
  a.MaritalStatus = 1;
  a.LastEmployer = "Analytical Engines Ltd";
  a.YearsAtJob = 7;
  a.NumJobs = 2;
  a.JobTitle = 1;
  a.Ratings = {4, 0, 3, 1};
  return a;
}

std::string ErrorOf(const std::string& text, TApplicant& into) {
  try {
    ReadEvaluationText(text, "x.evl", into);
  } catch (const EEvaluationFileError& error) {
    return error.what();
  }
  return "";
}

TEST(EvaluationFile, WritesFiveCrLfLinesInTheFixedOrder) {
  EXPECT_EQ(EvaluationText(Sample()),
            "Ada\r\nLovelace\r\n36 1\r\nAnalytical Engines Ltd\r\n7 2 1 4 0 3 1\r\n");
}

TEST(EvaluationFile, ReadsBackWhatItWrites) {
  for (std::string employer : {"", "  leading blanks", "A \"quoted\" name"}) {
    TApplicant written = Sample();
    written.LastEmployer = employer;
    TApplicant read;
    ReadEvaluationText(EvaluationText(written), "x.evl", read);
    EXPECT_EQ(read, written) << employer;
  }
}

TEST(EvaluationFile, AcceptsOtherLineEndsAndSpreadNumbers) {
  TApplicant a;
  ReadEvaluationText("Ada\nLovelace\n36\t1 trailing words\n\n3\r2\n 1 4 0 3 1", "x.evl", a);
  EXPECT_EQ(a.LastName, "Lovelace");
  EXPECT_EQ(a.Age, 36);
  EXPECT_EQ(a.MaritalStatus, 1);
  EXPECT_EQ(a.LastEmployer, "");  // the empty fourth line
  EXPECT_EQ(a.YearsAtJob, 3);
  EXPECT_EQ(a.NumJobs, 2);
  EXPECT_EQ(a.Ratings, (std::array<int32_t, 4>{4, 0, 3, 1}));
}

// A file read half way must not leave half an applicant behind: the
// target keeps every field it had, also those read before the error.
TEST(EvaluationFile, NamesFileAndLineOfABadNumberAndLeavesTheTargetAsItWas) {
  TApplicant a = Sample();
  EXPECT_EQ(ErrorOf("Eve\r\nNoether\r\nold 1\r\n", a),
            "Error reading \"x.evl\", line 3: 'old' is not a valid integer value");
  EXPECT_EQ(a, Sample());

  TApplicant b = Sample();
  EXPECT_EQ(ErrorOf("A\r\nB\r\n40 2\r\nAcme\r\n1 2 3 4 9 0 0\r\n", b),
            "Error reading \"x.evl\", line 5: 9 is out of range for the database knowledge "
            "(0 to 4)");
  EXPECT_EQ(b, Sample());  // nor does a failure on the last line

  TApplicant c;
  EXPECT_EQ(ErrorOf("A\r\nB\r\n40 2\r\nAcme\r\n1 2\r\n", c),
            "Error reading \"x.evl\", line 6: a number is missing");
  EXPECT_EQ(ErrorOf("A\r\nB\r\n99999999999 0\r\n", c),
            "Error reading \"x.evl\", line 3: '99999999999' is not a valid integer value");
  EXPECT_EQ(ErrorOf("A\r\nB\r\n40 7\r\n", c),
            "Error reading \"x.evl\", line 3: 7 is out of range for the marital status (0 to 3)");
}

class EvaluationFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = std::filesystem::temp_directory_path() /
           ("vettora_evl_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }
  [[nodiscard]] std::string Path(const char* name) const { return (FDir / name).string(); }
  [[nodiscard]] size_t FileCount() const {
    return size_t(std::distance(std::filesystem::directory_iterator(FDir), {}));
  }
  std::filesystem::path FDir;
};

TEST_F(EvaluationFileOnDisk, SavesAndLoads) {
  SaveEvaluationFile(Path("a.evl"), Sample());
  TApplicant read;
  LoadEvaluationFile(Path("a.evl"), read);
  EXPECT_EQ(read, Sample());
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(EvaluationFileOnDisk, AMissingFileIsNamed) {
  TApplicant a;
  try {
    LoadEvaluationFile(Path("none.evl"), a);
    FAIL();
  } catch (const EEvaluationFileError& error) {
    EXPECT_NE(std::string(error.what()).find(Path("none.evl")), std::string::npos);
  }
}

// A write that fails half way (here: the file size limit, as a full disk
// would) leaves the old file whole and no temporary file behind.
TEST_F(EvaluationFileOnDisk, AFailedSaveKeepsTheOldFile) {
  SaveEvaluationFile(Path("a.evl"), TApplicant{});
  std::string old = EvaluationText(TApplicant{});
  TApplicant big = Sample();
  big.LastEmployer.assign(4096, 'x');
  std::string message;
  {
    TFileSizeLimit limit(64);
    ASSERT_TRUE(limit.Active());
    try {
      SaveEvaluationFile(Path("a.evl"), big);
    } catch (const EEvaluationFileError& error) {
      message = error.what();
    }
  }
  EXPECT_NE(message.find("Cannot save file \"" + Path("a.evl") + "\""), std::string::npos);
  std::ifstream file(Path("a.evl"), std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(), old);
  EXPECT_EQ(FileCount(), 1u);
}

}  // namespace
}  // namespace vettora
