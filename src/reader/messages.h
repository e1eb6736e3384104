#pragma once
// Message templates of the reader (streams, tokens, parser), shared by code
// and tests.

namespace vettora {

// ---- Streams and tokens -------------------------------------------------

// Byte streams.
inline constexpr const char* kCannotOpenFile = "Cannot open file \"%s\". %s";
inline constexpr const char* kCannotCreateFile = "Cannot create file \"%s\". %s";
inline constexpr const char* kInvalidFileMode = "Invalid file access mode %d for \"%s\"";
inline constexpr const char* kInvalidStreamPosition = "Invalid stream position: %s";
inline constexpr const char* kStreamWriteError = "Stream write error";

// Buffered streams.
inline constexpr const char* kOverflowOnPushBack = "Overflow on push back";
inline constexpr const char* kErrorSeekingInBuffer = "Error seeking in buffer";
inline constexpr const char* kInvalidOriginPoint = "Invalid Origin Point specified: %s";
inline constexpr const char* kInvalidBufferState = "Invalid buffer state";

// Text streams.
inline constexpr const char* kInvalidInteger = "'%s' is not a valid integer value";

// Tokenizer and tokens.
inline constexpr const char* kStringNotTerminated =
    "Invalid string value, string was not terminated";
inline constexpr const char* kInvalidTokenHint = "Invalid Token hint for parsing token: %s";
inline constexpr const char* kUnknownVariableName = "Unknown variable name: %s";

// ---- End of streams and tokens -------------------------------------------

}  // namespace vettora
