// A C++ function the rules call: (discount PRICE PERCENT) answers the
// reduced price; a bad argument becomes an engine error with its message.
#include <iostream>
#include <stdexcept>
#include <vettora/vettora.h>

int main() {
  vettora::TEngine engine;
  engine.AddFunction("discount", 2, 2, "Price reduced by a percentage",
                     [](const std::vector<vettora::TValue>& args) {
                       if (!args[0].IsNumber() || !args[1].IsNumber())
                         throw std::invalid_argument("price and percent must be numbers");
                       return vettora::TValue::Float(args[0].AsFloat() * (100 - args[1].AsFloat()) / 100);
                     });
  std::cout << engine.Evaluate("(discount 80 25)").AsText() << "\n";
  engine.Load("(defrule sale (item ?name ?price) => (printout t ?name \" \" (discount ?price 10) crlf))");
  engine.Reset();
  engine.Assert("(item book 20)");
  engine.Run();
  try {
    engine.Evaluate("(discount cheap 10)");
  } catch (const vettora::EEngineError& error) {
    std::cout << "error: " << error.what() << "\n";
  }
}
