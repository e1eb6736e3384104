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

}  // namespace
}  // namespace vettora::testing
