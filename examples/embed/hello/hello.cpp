// Loads two rules, asserts facts, runs, and prints what the rules derived.
#include <iostream>
#include <vettora/vettora.h>

int main() {
  vettora::TEngine engine;
  engine.Load("(deftemplate person (slot name) (slot age))"
              "(defrule adult (person (name ?n) (age ?a&:(>= ?a 18))) => (assert (adult ?n)))");
  engine.Reset();
  engine.Assert("(person (name Ada) (age 36))");
  engine.Assert("(person (name Tom) (age 12))");
  engine.Run();
  for (const vettora::TFactView& fact : engine.Facts())
    if (fact.TemplateName == "adult") std::cout << fact.Text << "\n";
}
