#pragma once
// Registers the application's compiled-in resources (the stored form and
// the icons). The resources live in a static library, so every program
// that uses them calls this once before reading them.

namespace vettora {

void InitAppResources();

}  // namespace vettora
