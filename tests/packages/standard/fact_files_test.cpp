// load-facts and save-facts: the fact list through a file.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fact_test_util.h"

namespace vettora::testing {
namespace {

class FactFilesTest : public FactTest {
 protected:
  FactFilesTest()
      : Path((std::filesystem::temp_directory_path() /
              ("vettora_facts_" + std::to_string(::getpid()) + ".txt"))
                 .string()) {}
  ~FactFilesTest() override { std::remove(Path.c_str()); }

  std::string FileText() const {
    std::ifstream in(Path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::string Quoted() const { return "\"" + Path + "\""; }

  std::string Path;
};

TEST_F(FactFilesTest, SaveFactsWritesAllFactsAndLoadFactsAssertsThem) {
  Run("(deftemplate p (slot a))(assert (p (a 1)) (o x y))");
  EXPECT_EQ(Text("(save-facts " + Quoted() + ")"), "TRUE");
  EXPECT_EQ(FileText(), "(Initial-Fact)\r\n(p (a 1))\r\n(o x y )\r\n");
  Run("(retract *)");
  EXPECT_EQ(Text("(load-facts " + Quoted() + ")"), "TRUE");
  EXPECT_EQ(Facts(), "f-3 (Initial-Fact); f-4 (p (a 1)); f-5 (o x y )");
  EXPECT_TRUE(Contains(ErrorOf("(load-facts \"/nonexistent/dir/facts.txt\")"),
                       "/nonexistent/dir/facts.txt"));
}

TEST_F(FactFilesTest, SaveFactsOfTemplatesWritesThemTemplateByTemplate) {
  Run("(assert (a 1) (b 2) (a 3) (c 4))");
  EXPECT_EQ(Text("(save-facts " + Quoted() + " b a)"), "TRUE");
  EXPECT_EQ(FileText(), "(b 2 )\r\n(a 1 )\r\n(a 3 )\r\n");
  // The file is made afresh; a template without facts writes nothing.
  EXPECT_EQ(Text("(save-facts " + Quoted() + " none)"), "TRUE");
  EXPECT_EQ(FileText(), "");
  EXPECT_EQ(ErrorOf("(save-facts)"), "Too few arguments for save-facts");
}

// Listings print floats with four decimals; a saved file is read back, so
// it keeps every digit, in all facts and in the facts of one template.
TEST_F(FactFilesTest, SavedFloatsKeepEveryDigit) {
  Run("(deftemplate m (slot v) (multislot w))(assert (m (v 2.50001) (w 1e-07 0.1)))");
  EXPECT_EQ(Text("(save-facts " + Quoted() + ")"), "TRUE");
  EXPECT_EQ(FileText(), "(Initial-Fact)\r\n(m (v 2.50001) (w 1e-07 0.1 ))\r\n");
  EXPECT_EQ(Text("(save-facts " + Quoted() + " m)"), "TRUE");
  EXPECT_EQ(FileText(), "(m (v 2.50001) (w 1e-07 0.1 ))\r\n");
  Run("(retract *)");
  EXPECT_EQ(Text("(load-facts " + Quoted() + ")"), "TRUE");
  EXPECT_EQ(Facts(), "f-2 (m (v 2.5000) (w 0.0000 0.1000 ))");
  EXPECT_EQ(Text("(= (get-slot-value 2 v) 2.50001)"), "TRUE");
  EXPECT_EQ(Text("(= (nth$ 0 (get-slot-value 2 w)) 1e-07)"), "TRUE");
}

}  // namespace
}  // namespace vettora::testing
