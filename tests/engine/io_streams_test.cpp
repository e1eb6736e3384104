// Output and input routing: the standard name to the host or a capture
// file, named streams, batch input and the watch lines for facts and
// compilations.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/construct_watch.h"
#include "engine/io_streams.h"
#include "engine/messages.h"
#include "engine_test_util.h"
#include "reader/file_stream.h"
#include "reader/string_stream.h"
#include "reader/vorlan_stream.h"

namespace vettora::testing {
namespace {

struct TPrinted {
  std::string OutId;
  std::string Text;
};

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string TempPath(const std::string& name) { return ::testing::TempDir() + "streams_" + name; }

// Executes each line by logging it; a line "readline" reads the next line
// of input and a line "read" one token, logging what came back.
class TLineLogger : public TEngineTextFallback {
 public:
  explicit TLineLogger(TInferenceEngine& engine) : FEngine(engine) {}
  void ExecuteText(const std::string& text) override {
    if (text == "readline")
      Log.push_back("got " + FEngine.ReadLine("t"));
    else if (text == "read")
      Log.push_back("token " + FEngine.ReadToken("")->Text());
    else if (text == "fail")
      throw EIEException("failed line");
    else
      Log.push_back(text);
  }
  std::vector<std::string> Log;

 private:
  TInferenceEngine& FEngine;
};

class IOStreamsTest : public ::testing::Test {
 protected:
  IOStreamsTest() {
    Engine.OnPrintOut = [this](TObject&, const std::string& outId, const std::string& text) {
      Printed.push_back({outId, text});
    };
  }
  TInferenceEngine Engine;
  std::vector<TPrinted> Printed;
};

TEST_F(IOStreamsTest, StandardOutputGoesToTheHostOrNowhere) {
  Engine.PrintOut("t", "one");
  Engine.PrintOut("", "two");
  Engine.PrintOut("elsewhere", "three");
  ASSERT_EQ(Printed.size(), 3u);
  EXPECT_EQ(Printed[0].OutId, "t");
  EXPECT_EQ(Printed[1].OutId, "");
  EXPECT_EQ(Printed[2].OutId, "elsewhere");
  EXPECT_EQ(Printed[2].Text, "three");

  Engine.OnPrintOut = nullptr;
  EXPECT_NO_THROW(Engine.PrintOut("t", "dropped"));
  EXPECT_EQ(ErrorOf([&] { Engine.PrintOut("elsewhere", "x"); }),
            "Function is unimplemented or unassigned: printout");
}

TEST_F(IOStreamsTest, NamedStreamsTakeTheirOutputAndAreOwnedByTheTable) {
  TStringStream target;
  Engine.IOStreams().Add("out", std::make_unique<TGTextStream>(&target));
  Engine.PrintOut("out", "hello\r\n");
  Engine.PrintOut("out", "world");
  EXPECT_TRUE(Printed.empty());
  Engine.IOStreams().Remove("out");  // frees the stream, flushing it
  EXPECT_EQ(target.DataString(), "hello\r\nworld");
  EXPECT_EQ(ErrorOf([&] { Engine.IOStreams().Remove("out"); }), "Invalid stream name: out");

  // A name already taken: overwrite, ignore or refuse.
  TStringStream a, b, c;
  Engine.IOStreams().Add("s", std::make_unique<TGTextStream>(&a));
  Engine.IOStreams().Add("s", std::make_unique<TGTextStream>(&b));
  Engine.PrintOut("s", "to b");
  Engine.SetDuplicateConstructs(dcIgnore);
  Engine.IOStreams().Add("s", std::make_unique<TGTextStream>(&c));
  Engine.PrintOut("s", "+");
  Engine.SetDuplicateConstructs(dcError);
  EXPECT_EQ(ErrorOf([&] { Engine.IOStreams().Add("s", std::make_unique<TGTextStream>(&c)); }),
            "Duplicate streams defined with same name: \"s\"");
  Engine.Clear();  // empties the table
  EXPECT_EQ(Engine.IOStreams().Count(), 0);
  EXPECT_EQ(a.DataString(), "");
  EXPECT_EQ(b.DataString(), "to b+");
  EXPECT_EQ(c.DataString(), "");
}

TEST_F(IOStreamsTest, CaptureTakesStandardOutputUntilItIsOff) {
  std::string path = TempPath("dribble.txt");
  std::remove(path.c_str());
  EXPECT_TRUE(Engine.DribbleOn(path));
  Engine.SetWatch({cwFact});
  Engine.PrintOut("t", "captured ");
  Engine.Assert(OrderedFact(Engine, "a", {"1"}));
  Engine.PrintOut("named", "still to the host");
  ASSERT_EQ(Printed.size(), 1u);
  EXPECT_EQ(Printed[0].OutId, "named");
  EXPECT_TRUE(Engine.DribbleOff());
  Engine.PrintOut("t", "after");
  ASSERT_EQ(Printed.size(), 2u);
  EXPECT_EQ(Printed[1].Text, "after");
  EXPECT_EQ(FileText(path), "captured  ==> f-1 (a 1 )\r\n");

  // A file that cannot be created leaves the capture as it was.
  EXPECT_FALSE(Engine.DribbleOn(TempPath("no/such/dir/file.txt")));
  EXPECT_EQ(Engine.CaptureStream(), nullptr);
  std::remove(path.c_str());
}

TEST_F(IOStreamsTest, ReadLineAndReadTokenRouting) {
  TStringStream lines("first\r\nsecond\nthird");
  Engine.IOStreams().Add("in", std::make_unique<TGTextStream>(&lines));
  EXPECT_EQ(Engine.ReadLine("in"), "first");
  EXPECT_EQ(Engine.ReadLine("in"), "second");
  EXPECT_EQ(Engine.ReadLine("in"), "third");
  EXPECT_EQ(Engine.ReadLine("in"), "");
  // Only a tokenizer stream gives tokens.
  EXPECT_NE(ErrorOf([&] { (void)Engine.ReadToken("in"); }), "(no error)");

  TStringStream words("alpha 42");
  Engine.IOStreams().Add("words", std::make_unique<TIEVorlanStream>(&words));
  EXPECT_EQ(Engine.ReadToken("words")->Text(), "alpha");
  EXPECT_EQ(Engine.ReadToken("words")->Text(), "42");

  // "t", and names without a stream, go to the events.
  EXPECT_EQ(ErrorOf([&] { (void)Engine.ReadLine("t"); }),
            "The readline event has not been implemented or unassigned.\r\nWarning: "
            "Implementation of this function requires a blocking mechanism, \r\nsuch as "
            "ShowModal, or the use of threads");
  EXPECT_EQ(ErrorOf([&] { (void)Engine.ReadToken("nowhere"); }),
            FormatMessage(kInputEventUnassigned, {"read"}));
  std::string askedFor;
  Engine.OnReadLine = [&](TObject&, const std::string& inId, std::string& text) {
    askedFor = inId;
    text = "typed";
  };
  EXPECT_EQ(Engine.ReadLine("nowhere"), "typed");
  EXPECT_EQ(askedFor, "nowhere");
  Engine.OnReadToken = [](TObject&, const std::string&, IStreamToken&) {};
  EXPECT_NE(ErrorOf([&] { (void)Engine.ReadToken("t"); }), "(no error)");
}

TEST_F(IOStreamsTest, BatchRunsLinesAndFeedsInputFromTheFollowingLines) {
  auto logger = std::make_unique<TLineLogger>(Engine);
  TLineLogger& log = *logger;
  Engine.SetParser(std::move(logger));
  TStringStream batch("one\r\nreadline\r\nanswer\r\nread\r\ntok\r\nlast");
  Engine.BatchFromStream(batch);
  EXPECT_FALSE(Engine.BatchRunning());
  // The tokenizer takes the line break ending its token along.
  std::vector<std::string> expected{"one", "got answer", "token tok", "last"};
  EXPECT_EQ(log.Log, expected);
  // Input read from the batch is echoed to the standard output.
  ASSERT_GE(Printed.size(), 2u);
  EXPECT_EQ(Printed[0].Text, "answer\r\n");
  EXPECT_EQ(Printed[1].Text, "tok\r\n");

  // An error ends the batch and the batch state is restored.
  log.Log.clear();
  TStringStream failing("before\nfail\nafter");
  EXPECT_EQ(ErrorOf([&] { Engine.BatchFromStream(failing); }), "failed line");
  EXPECT_FALSE(Engine.BatchRunning());
  EXPECT_EQ(log.Log, std::vector<std::string>{"before"});

  std::string path = TempPath("batch.txt");
  std::ofstream(path, std::ios::binary) << "from file\n";
  log.Log.clear();
  EXPECT_TRUE(Engine.Batch(path));
  EXPECT_EQ(log.Log, std::vector<std::string>{"from file"});
  EXPECT_THROW(Engine.Batch(TempPath("missing.txt")), EGStreamError);
  std::remove(path.c_str());
}

TEST_F(IOStreamsTest, FactAndCompilationWatchLines) {
  Engine.SetWatch({cwFact, cwCompilation});
  int32_t id = Engine.Assert(OrderedFact(Engine, "a", {"5"}));
  Engine.Retract(Engine.Facts().Count() - 1);
  ASSERT_EQ(Printed.size(), 2u);
  EXPECT_EQ(id, 1);
  EXPECT_EQ(Printed[0].OutId, "");
  EXPECT_EQ(Printed[0].Text, " ==> f-1 (a 5 )\r\n");
  EXPECT_EQ(Printed[1].Text, " <== f-1 (a 5 )\r\n");

  Printed.clear();
  std::vector<std::unique_ptr<TIEPattern>> patterns;
  patterns.push_back(OrderedPattern(Engine, "a", "x"));
  auto rule = MakeRule(Engine, "r", 0, std::move(patterns));
  ASSERT_EQ(Printed.size(), 1u);
  EXPECT_FALSE(rule->CompilationTrace().empty());
  EXPECT_EQ(Printed[0].Text, rule->CompilationTrace() + "\r\n");

  // "all" then dropping facts leaves the others.
  TConstructWatches watch = TConstructWatches::All();
  Engine.SetWatch(watch.Exclude(cwFact));
  Printed.clear();
  Engine.Assert(OrderedFact(Engine, "a", {"6"}));
  ASSERT_EQ(Printed.size(), 1u);
  EXPECT_EQ(Printed[0].Text, "==> Activation: r : f-2\r\n");
}

}  // namespace
}  // namespace vettora::testing
