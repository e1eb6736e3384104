#include "reader/stream_token.h"

#include <cmath>

#include "reader/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// The decimal text of a number truncated toward zero, safe for any double.
std::string TruncatedText(double number) {
  double t = std::trunc(number);
  if (std::isfinite(t) && std::fabs(t) < 9.0e18) return std::to_string(int64_t(t));
  return FormatMessage("%.0f", {t});
}

// A string printed as the rule language prints string values: backslashes
// doubled, then quotes escaped, all in double quotes.
std::string QuotedText(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

bool IsNilText(const std::string& text) {
  return text.size() == 3 && (text[0] | 0x20) == 'n' && (text[1] | 0x20) == 'i' &&
         (text[2] | 0x20) == 'l';
}

}  // namespace

void TIEStreamToken::Assign(const TIEStreamToken& source) {
  FDataType = source.FDataType;
  FLineNumber = source.FLineNumber;
  FColumn = source.FColumn;
  FTag = source.FTag;
  FNumber = source.FNumber;
  FText = source.FText;
  FWhiteSpace = source.FWhiteSpace;
  FObjectValue = source.FObjectValue;
}

IStreamToken TIEStreamToken::Clone() const {
  IStreamToken copy = MakeRef<TIEStreamToken>();
  copy->Assign(*this);
  return copy;
}

bool TIEStreamToken::Equals(const TIEStreamToken* other) const {
  return other && FDataType == other->FDataType && FLineNumber == other->FLineNumber &&
         FNumber == other->FNumber;
}

std::string TIEStreamToken::AsText() const {
  switch (FDataType) {
    case dtInteger:
      return TruncatedText(FNumber);
    case dtVariable:
      return "?" + FText;
    case dtMultiVariable:
      return "$?" + FText;
    case dtFloat:
      return FormatFloat4(FNumber);
    case dtString:
      return QuotedText(FText);
    default:
      if (!FText.empty()) return FText;
      // Delimiters print as their character; an empty text of another kind
      // prints as nothing rather than as a control character.
      if (FDataType > 32 && FDataType < 127) return std::string(1, char(FDataType));
      return std::string();
  }
}

IIEValue TIEStreamToken::NumberValue(TIEType kind) const {
  return MakeRef<TIEValue>(TruncToInt32(FNumber), kind);
}

IIEValue TIEStreamToken::ToValue() const {
  switch (FDataType) {
    case dtAtom:
      if (FText == TrueValue()->Text()) return TrueValue();
      if (FText == FalseValue()->Text()) return FalseValue();
      if (IsNilText(FText)) return NilValue();
      return MakeAtom(FText);
    case dtString:
      return MakeString(FText);
    case dtInteger:
    case dtFactId:
    case dtDescriptor:
      return NumberValue(TIEType(FDataType));
    case dtVariable:
    case dtMultiVariable:
    case dtSlot:
    case dtMultiSlot:
      return MakeRef<TIEValue>(FText, TIEType(FDataType));
    case dtFloat:
      return MakeFloat(FNumber);
    case dtObject: {
      if (FObjectValue) return FObjectValue;
      IIEValue none = MakeRef<TIEValue>();
      none->SetAsObject(nullptr);
      return none;
    }
    case dtExternalAddress: {
      IIEValue address = MakeRef<TIEValue>();
      address->SetAsExternalAddress(TruncToInt32(FNumber));
      return address;
    }
    case tkEndOfStream:
      if (FText == "EOF") return EOFValue();
      break;
    default:
      break;
  }
  return MakeString(std::to_string(FDataType));
}

IIEValue TIEStreamToken::ToValue(IEvalContext* context) const {
  if (!context || (FDataType != dtVariable && FDataType != dtMultiVariable)) return ToValue();
  IIEValue bound = context->VariableValue(FText);
  if (!bound) throw EIEException(FormatMessage(kUnknownVariableName, {FText}));
  return bound;
}

void TIEStreamToken::AssignValue(const IIEValue& value) {
  FNumber = 0;
  FText.clear();
  FObjectValue = nullptr;
  FDataType = value ? int32_t(value->DType()) : int32_t(tkEndOfStream);
  if (!value) return;
  switch (value->DType()) {
    case dtInteger:
      FNumber = value->AsInteger();
      FText = std::to_string(value->AsInteger());
      return;
    case dtFloat:
      FNumber = value->AsFloat();
      FText = value->AsText();
      return;
    case dtFactId:
      FNumber = value->AsFactId();
      break;
    case dtDescriptor:
      FNumber = value->AsDescriptor();
      break;
    case dtExternalAddress:
      FNumber = double(value->AsExternalAddress());
      break;
    case dtObject:
      FObjectValue = value;
      break;
    default:
      if (IsTextKind(value->DType())) {
        FText = value->Text();
        return;
      }
      break;
  }
  FText = value->AsText();
}

}  // namespace vettora
