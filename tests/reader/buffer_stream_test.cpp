#include "reader/buffer_stream.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "reader/messages.h"
#include "reader/string_stream.h"
#include "values/exceptions.h"

namespace vettora {
namespace {

// Exposes the fill step so a refill can be forced without consuming.
class TProbeBuffer : public TGBufferStream {
 public:
  using TGBufferStream::FillBuffer;
  using TGBufferStream::TGBufferStream;
};

// A source that takes no bytes, as a full disk would.
class TRefusingStream : public TMemoryStream {
 public:
  int64_t Write(const void*, int64_t) override { return 0; }
};

std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = char('a' + i % 26);
  return s;
}

TEST(BufferStream, ReadingRefillsInBlocks) {
  TStringStream source(Pattern(10000));
  TGBufferStream buffer(&source);
  std::vector<int64_t> fills;  // source position after each fill
  buffer.SetOnBufferFilled([&](TGBufferStream& s) { fills.push_back(s.Source()->Position()); });
  std::string got(10000, ' ');
  EXPECT_EQ(buffer.Read(got.data(), 10000), 10000);
  EXPECT_EQ(got, source.DataString());
  EXPECT_EQ(fills, (std::vector<int64_t>{8192, 10000}));
  EXPECT_TRUE(buffer.AtEnd());
  char c;
  EXPECT_EQ(buffer.Read(&c, 1), 0);
  EXPECT_EQ(fills.size(), 3u);  // the empty fill at the end is reported too
}

TEST(BufferStream, PushBackUndoesOnlyConsumedCharacters) {
  TStringStream source(Pattern(10000));
  TProbeBuffer buffer(&source);
  char c = 0;
  EXPECT_THROW(buffer.PushBack('x'), EGStreamError);  // nothing read yet
  std::string block(8192, ' ');
  ASSERT_EQ(buffer.Read(block.data(), 8192), 8192);
  ASSERT_TRUE(buffer.FillBuffer());
  try {
    buffer.PushBack('x');
    FAIL() << "push-back right after a refill must fail";
  } catch (const EGStreamError& e) {
    EXPECT_STREQ(e.what(), kOverflowOnPushBack);
  }
  ASSERT_EQ(buffer.Read(&c, 1), 1);
  EXPECT_EQ(c, source.DataString()[8192]);
  buffer.PushBack('Z');
  EXPECT_EQ(buffer.Position(), 8192);
  ASSERT_EQ(buffer.Read(&c, 1), 1);
  EXPECT_EQ(c, 'Z');
}

TEST(BufferStream, SeekOrigins) {
  TStringStream source(Pattern(100));
  TGBufferStream buffer(&source);
  char c;
  EXPECT_EQ(buffer.Seek(10, soFromBeginning), 10);
  ASSERT_EQ(buffer.Read(&c, 1), 1);
  EXPECT_EQ(c, source.DataString()[10]);
  EXPECT_EQ(buffer.Position(), 11);  // logical, not the read-ahead source position
  EXPECT_EQ(buffer.Seek(5, soFromCurrent), 16);
  ASSERT_EQ(buffer.Read(&c, 1), 1);
  EXPECT_EQ(c, source.DataString()[16]);
  EXPECT_EQ(buffer.Seek(-3, soFromEnd), 97);  // size + offset, as every stream
  ASSERT_EQ(buffer.Read(&c, 1), 1);
  EXPECT_EQ(c, source.DataString()[97]);
  try {
    (void)buffer.Seek(0, 3);
    FAIL();
  } catch (const EGStreamError& e) {
    EXPECT_STREQ(e.what(), "Invalid Origin Point specified: 3");
  }
  EXPECT_THROW((void)buffer.Seek(-1, soFromBeginning), EGStreamError);
}

TEST(BufferStream, WritesAreHeldUntilFlushed) {
  TMemoryStream target;
  int flushes = 0;
  {
    TGBufferStream buffer(&target);
    buffer.SetOnBufferFlushed([&](TGBufferStream&) { ++flushes; });
    ASSERT_EQ(buffer.Write("abc", 3), 3);
    EXPECT_EQ(buffer.State(), bsWriting);
    EXPECT_EQ(target.DataString(), "");
    EXPECT_EQ(buffer.Position(), 3);
    EXPECT_EQ(buffer.Size(), 3);
    EXPECT_EQ(buffer.Seek(1, soFromBeginning), 1);  // flushes first
    EXPECT_EQ(target.DataString(), "abc");
    ASSERT_EQ(buffer.Write("XY", 2), 2);
    std::string big(9000, 'q');
    ASSERT_EQ(buffer.Write(big.data(), 9000), 9000);
    EXPECT_EQ(flushes, 2);  // the seek and one full buffer
  }
  EXPECT_EQ(target.DataString(), "aXY" + std::string(9000, 'q'));  // destruction flushed the rest
  EXPECT_EQ(flushes, 3);
}

TEST(BufferStream, WriteAfterReadLandsAtTheReadPosition) {
  TStringStream source("hello world");
  {
    TGBufferStream buffer(&source);
    char word[5];
    ASSERT_EQ(buffer.Read(word, 5), 5);
    ASSERT_EQ(buffer.Write("XY", 2), 2);
    EXPECT_EQ(buffer.Position(), 7);
  }
  EXPECT_EQ(source.DataString(), "helloXYorld");
}

TEST(BufferStream, FlushFailuresAreReportedNotHidden) {
  TRefusingStream target;
  auto buffer = std::make_unique<TGBufferStream>(&target);
  ASSERT_EQ(buffer->Write("abc", 3), 3);
  try {
    (void)buffer->Seek(0, soFromBeginning);
    FAIL();
  } catch (const EGStreamError& e) {
    EXPECT_STREQ(e.what(), kErrorSeekingInBuffer);
  }
  std::string big(TGBufferStream::kBufferSize + 10, 'q');
  EXPECT_LT(buffer->Write(big.data(), int64_t(big.size())), int64_t(big.size()));
  ASSERT_EQ(buffer->Write("x", 1), 1);
  EXPECT_NO_THROW(buffer.reset());  // a failing flush on destruction is swallowed
}

}  // namespace
}  // namespace vettora
