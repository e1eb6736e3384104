#include "editors/function_list.h"

namespace vettora {

TFunctionList::TFunctionList(QWidget* parent) : QWidget(parent) {}
void TFunctionList::Load(TInferenceEngine&) {}

}  // namespace vettora
