#pragma once
// The date and time functions on day-count floats (see date_time.h for
// the representation and the text formats).

#include <cstdint>

#include "packages/misc/misc_function.h"

namespace vettora {

enum TSystemDateTimeFunctionType : uint8_t { sdtDateTime, sdtDate, sdtTime };

enum TDateTimeStringFunctionType : uint8_t {
  dtsStrDateTime,
  dtsStrDate,
  dtsStrTime,
  dtsDateTimeStr,
  dtsDateStr,
  dtsTimeStr,
  dtsDateTimeStrFormat,
};

enum TDecodeDateTimeFunctionType : uint8_t {
  ddtYear,
  ddtMonth,
  ddtDay,
  ddtHour,
  ddtMinute,
  ddtSecond,
  ddtMillisecond,
};

enum TEncodeDateTimeFunctionType : uint8_t { edtDate, edtTime };

VETTORA_MISC_TYPED_FUNCTION(TSystemDateTimeFunction, TSystemDateTimeFunctionType);
VETTORA_MISC_TYPED_FUNCTION(TDateTimeStringFunction, TDateTimeStringFunctionType);
VETTORA_MISC_TYPED_FUNCTION(TDecodeDateTimeFunction, TDecodeDateTimeFunctionType);
VETTORA_MISC_TYPED_FUNCTION(TEncodeDateTimeFunction, TEncodeDateTimeFunctionType);

}  // namespace vettora
