#pragma once
// The whole public API of the Vettora rule engine: include this, link
// Vettora::Engine (CMake) or `pkg-config --libs vettora`.

#include "vettora/engine.h"
#include "vettora/engine_error.h"
#include "vettora/export.h"
#include "vettora/fact.h"
#include "vettora/value.h"
