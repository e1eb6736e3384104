#include "reader/text_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "reader/file_stream.h"
#include "reader/string_stream.h"
#include "values/exceptions.h"

namespace vettora {
namespace {

struct TTextFixture {
  explicit TTextFixture(std::string text) : Source(std::move(text)), Stream(&Source) {}
  TStringStream Source;
  TGTextStream Stream;
};

TEST(TextStream, ReadLineEndsAtCrLfOrCrLf) {
  TTextFixture f("a\rb\nc\r\n\r\nd");
  EXPECT_EQ(f.Stream.ReadLine(), "a");
  EXPECT_EQ(f.Stream.ReadLine(), "b");
  EXPECT_EQ(f.Stream.ReadLine(), "c");
  EXPECT_EQ(f.Stream.ReadLine(), "");
  EXPECT_EQ(f.Stream.ReadLine(), "d");
  EXPECT_TRUE(f.Stream.AtEnd());

  // A CR as the last byte of one buffer and its partner in the next.
  TTextFixture g(std::string(8191, 'x') + "\r\ny\rz");
  EXPECT_EQ(g.Stream.ReadLine(), std::string(8191, 'x'));
  EXPECT_EQ(g.Stream.ReadLine(), "y");
  EXPECT_EQ(g.Stream.ReadLine(), "z");
}

TEST(TextStream, WordsBlanksAndIntegers) {
  TTextFixture f("  42 -7\t+3\r\n  x1 2147483648");
  EXPECT_EQ(f.Stream.ReadInteger(), 42);
  EXPECT_EQ(f.Stream.ReadInteger(), -7);
  EXPECT_EQ(f.Stream.ReadInteger(), 3);
  try {
    (void)f.Stream.ReadInteger();
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
  }
  EXPECT_THROW((void)f.Stream.ReadInteger(), EConvertError);  // beyond 32 bits

  TTextFixture g("  \t\r\n  x\n");
  EXPECT_TRUE(g.Stream.SkipLineSpace());
  EXPECT_FALSE(g.Stream.SkipLineSpace());
  EXPECT_EQ(g.Stream.ReadChar(), 'x');
  g.Stream.SetWordDelimiters(",");
  EXPECT_EQ(g.Stream.ReadWord(), "\n");  // runs to the end when no delimiter comes
}

class TThing : public TObject {
 public:
  std::string ClassName() const override { return "TThing"; }
};

TEST(TextStream, WritersChainAndFormat) {
  TMemoryStream target;
  TThing thing;
  {
    TGTextStream out(&target);
    out.WriteValues({1, true, 'c', 2.5, "s", static_cast<const TObject*>(&thing)})
        .NewLine()
        .WriteChar('<')
        .WriteWord16(0x4241)
        .WriteInt(-12)
        .Space()
        .WriteFloat(3.0)
        .WriteLine("!")
        .WriteFormat("%d-%s", {3, "x"})
        .WriteLineValues({'a', 'b', 7});
  }
  EXPECT_EQ(target.DataString(), "1 True c2.5 s (TThing)\r\n<AB-12 3.0!\r\n3-xab7\r\n");
}

TEST(TextStream, FileStreamsOpenByNameAndReportFailures) {
  auto path =
      std::filesystem::temp_directory_path() /
      ("vettora_reader_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  {
    TGTextStream out(path.string(), fmCreate);
    EXPECT_TRUE(out.OwnsSource());
    out.WriteLine("first").WriteText("second");
  }
  {
    TGTextStream in(path.string(), fmOpenRead);
    EXPECT_EQ(in.ReadLine(), "first");
    EXPECT_EQ(in.ReadLine(), "second");
    EXPECT_TRUE(in.AtEnd());
  }
  std::filesystem::remove(path);
  try {
    TGTextStream missing(path.string(), fmOpenRead);
    FAIL();
  } catch (const EGStreamError& e) {
    EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace vettora
