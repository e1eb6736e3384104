// open, close, read, readline, remove, rename, dribble, batch, load, save.
#include "core_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(CoreTest, OpenWritesAppendsAndCloses) {
  TTempFile file("open.txt");
  EXPECT_EQ(Text("(open " + file.Quoted() + " out \"w\")"), "out");
  Eval("(printout out \"one\" crlf)");
  Eval("(format out \"%d\" 2)");
  EXPECT_EQ(Text("(close out)"), "TRUE");
  EXPECT_EQ(file.Read(), "one\r\n2");
  EXPECT_EQ(Output, "");  // nothing went to the standard output
  // "a" keeps the content and writes after it; "w" empties the file.
  Eval("(open " + file.Quoted() + " more \"a\")");
  Eval("(printout more \"3\")");
  Eval("(close)");  // closes every stream
  EXPECT_EQ(file.Read(), "one\r\n23");
  Eval("(open " + file.Quoted() + " again \"w\")");
  Eval("(close again)");
  EXPECT_EQ(file.Read(), "");
  EXPECT_EQ(ErrorOf("(close again)"), "Invalid stream name: again");
}

TEST_F(CoreTest, OpenRefusesBadModesAndMissingFiles) {
  TTempFile file("missing.txt");
  EXPECT_EQ(ErrorOf("(open " + file.Quoted() + " in \"x\")"),
            "Invalid File Access Specifier: \"x\"");
  EXPECT_EQ(ErrorOf("(open " + file.Quoted() + " in \"W\")"),
            "Invalid File Access Specifier: \"W\"");
  EXPECT_TRUE(Contains(ErrorOf("(open " + file.Quoted() + " in)"), file.Name()));
  EXPECT_TRUE(Contains(ErrorOf("(open " + file.Quoted() + " in \"r+\")"), file.Name()));
  EXPECT_EQ(ErrorOf("(open a)"), "Too few arguments for open");
}

TEST_F(CoreTest, ReadAndReadLineTakeInputByLogicalName) {
  TTempFile file("input.txt");
  file.Write("first line\r\n\r\n42 \"text\"\r\n");
  Eval("(open " + file.Quoted() + " in)");
  EXPECT_EQ(Text("(readline in)"), "\"first line\"");
  EXPECT_EQ(Text("(readline in)"), "EOF");  // an empty line reads as EOF
  IIEValue number = Eval("(read in)");
  EXPECT_EQ(number->DType(), dtInteger);
  EXPECT_EQ(number->AsInteger(), 42);
  EXPECT_EQ(Eval("(read in)")->DType(), dtString);
  Eval("(close in)");
  // Without a name the input comes from the host.
  Engine.OnReadLine = [](TObject&, const std::string& id, std::string& text) {
    text = "typed:" + id;
  };
  EXPECT_EQ(Text("(readline)"), "\"typed:\"");
  Engine.OnReadLine = [](TObject&, const std::string&, std::string& text) { text.clear(); };
  EXPECT_EQ(Text("(readline)"), "EOF");
}

TEST_F(CoreTest, RemoveAndRenameAnswerWhetherTheyWorked) {
  TTempFile a("a.txt");
  TTempFile b("b.txt");
  a.Write("A");
  EXPECT_EQ(Text("(rename " + a.Quoted() + " " + b.Quoted() + ")"), "TRUE");
  EXPECT_EQ(b.Read(), "A");
  EXPECT_EQ(Text("(rename " + a.Quoted() + " " + b.Quoted() + ")"), "FALSE");  // a is gone
  // An existing file of the new name is kept.
  a.Write("new");
  EXPECT_EQ(Text("(rename " + a.Quoted() + " " + b.Quoted() + ")"), "FALSE");
  EXPECT_EQ(b.Read(), "A");
  EXPECT_EQ(Text("(remove " + b.Quoted() + ")"), "TRUE");
  EXPECT_EQ(Text("(remove " + b.Quoted() + ")"), "FALSE");
  EXPECT_EQ(ErrorOf("(remove)"), "Too few arguments for remove");
}

TEST_F(CoreTest, DribbleCapturesTheStandardOutput) {
  TTempFile file("dribble.txt");
  EXPECT_EQ(Text("(dribble-on " + file.Quoted() + ")"), "TRUE");
  Eval("(printout t \"captured\")");
  EXPECT_EQ(Text("(dribble-off)"), "TRUE");
  EXPECT_TRUE(Contains(file.Read(), "captured"));
  EXPECT_EQ(Text("(dribble-on \"/nonexistent-dir/x/y.txt\")"), "FALSE");
}

TEST_F(CoreTest, BatchRunsTheCommandsOfAFile) {
  TTempFile file("batch.clp");
  file.Write("(bind ?b 5)\r\n(printout t \"in batch\" crlf)\r\n");
  EXPECT_EQ(Text("(batch " + file.Quoted() + ")"), "TRUE");
  EXPECT_TRUE(Contains(TakeOutput(), "in batch\r\n"));
  EXPECT_EQ(Text("?b"), "5");
  TTempFile missing("missing.clp");
  EXPECT_EQ(Text("(batch " + missing.Quoted() + ")"), "FALSE");
}

TEST_F(CoreTest, SaveAndLoadTheKnowledgeBase) {
  TTempFile file("kb.clp");
  ASSERT_EQ(Run("(deftemplate person (slot name))"
                "(defrule greet (person (name ?n)) => (printout t \"hi \" ?n))"),
            "");
  EXPECT_EQ(Text("(save " + file.Quoted() + ")"), "TRUE");
  EXPECT_TRUE(Contains(file.Read(), "greet"));
  Engine.Clear();
  EXPECT_EQ(Engine.FindRule("greet"), nullptr);
  EXPECT_EQ(Text("(load " + file.Quoted() + ")"), "TRUE");
  EXPECT_NE(Engine.FindRule("greet"), nullptr);
  TTempFile missing("missing-kb.clp");
  EXPECT_TRUE(Contains(ErrorOf("(load " + missing.Quoted() + ")"), missing.Name()));
}

}  // namespace
}  // namespace vettora::testing
