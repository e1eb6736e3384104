// Printed text and watch lines go to a callback, here into a string per
// logical name, and rule firings to an event.
#include <iostream>
#include <map>
#include <vettora/vettora.h>

int main() {
  vettora::TEngine engine;
  std::map<std::string, std::string> printed;
  engine.SetOnPrintOut([&](const std::string& outId, const std::string& text) { printed[outId] += text; });
  int fired = 0;
  engine.SetOnRuleFired([&](const std::string& rule) { std::cout << "fired " << rule << "\n"; ++fired; });
  engine.Load("(defrule count ?f <- (n ?x&:(< ?x 3)) => (retract ?f) (assert (n (+ ?x 1)))"
              "  (printout t \"n = \" ?x crlf))");
  engine.Evaluate("(watch facts)");
  engine.Reset();
  engine.Assert("(n 0)");
  engine.Run();
  std::cout << fired << " rules fired; captured on t:\n" << printed["t"];
}
