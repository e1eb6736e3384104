// Seeking from the end means the same for every kind of stream: the target
// is size + offset, so positions before the end take negative offsets.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

#include "reader/buffer_stream.h"
#include "reader/file_stream.h"
#include "reader/memory_stream.h"
#include "reader/string_stream.h"
#include "reader/text_stream.h"
#include "values/exceptions.h"

namespace vettora {
namespace {

const std::string kTen = "0123456789";

// One stream kind over the ten bytes of kTen, with what it needs kept alive.
struct TStreamKind {
  std::string Name;
  std::function<std::unique_ptr<TStream>()> Make;
};

std::string TempFile() {
  std::string name = ::testing::TempDir() + "seek_" + std::to_string(::getpid()) + ".txt";
  TFileStream file(name, fmCreate);
  (void)file.Write(kTen.data(), int64_t(kTen.size()));
  return name;
}

// A buffer stream that owns its source; the source is a base of its own so
// that it outlives the buffer's destructor.
struct TSourceHolder {
  std::unique_ptr<TStream> Source;
};
template <class TBuffer>
struct TOwningBuffer : TSourceHolder, TBuffer {
  explicit TOwningBuffer(std::unique_ptr<TStream> source)
      : TSourceHolder{std::move(source)}, TBuffer(Source.get()) {}
};

TEST(StreamSeek, EveryKindCountsFromTheEndAsSizePlusOffset) {
  std::string file = TempFile();
  std::vector<TStreamKind> kinds = {
      {"memory",
       [] {
         auto memory = std::make_unique<TMemoryStream>();
         memory->SetDataString(kTen);
         return memory;
       }},
      {"string", [] { return std::make_unique<TStringStream>(kTen); }},
      {"file", [&] { return std::make_unique<TFileStream>(file, fmOpenRead); }},
      {"buffer",
       [] {
         return std::make_unique<TOwningBuffer<TGBufferStream>>(
             std::make_unique<TStringStream>(kTen));
       }},
      {"text",
       [] {
         return std::make_unique<TOwningBuffer<TGTextStream>>(
             std::make_unique<TStringStream>(kTen));
       }},
      {"text over a file", [&] { return std::make_unique<TGTextStream>(file, fmOpenRead); }},
  };
  for (const TStreamKind& kind : kinds) {
    SCOPED_TRACE(kind.Name);
    std::unique_ptr<TStream> stream = kind.Make();
    EXPECT_EQ(stream->Seek(0, soFromEnd), 10);
    EXPECT_EQ(stream->Seek(-3, soFromEnd), 7);
    char c = 0;
    ASSERT_EQ(stream->Read(&c, 1), 1);
    EXPECT_EQ(c, '7');
    EXPECT_EQ(stream->Position(), 8);
    // Past the end is a position like any other; before the start is not.
    EXPECT_EQ(stream->Seek(2, soFromEnd), 12);
    EXPECT_THROW((void)stream->Seek(-11, soFromEnd), EGStreamError);
    EXPECT_EQ(stream->Seek(-10, soFromEnd), 0);
    ASSERT_EQ(stream->Read(&c, 1), 1);
    EXPECT_EQ(c, '0');
  }
  std::remove(file.c_str());
}

}  // namespace
}  // namespace vettora
