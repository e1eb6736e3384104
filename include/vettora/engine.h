#pragma once
// vettora::TEngine: one rule engine, as a host program embeds it.
//
//   vettora::TEngine engine;
//   engine.Load("(deftemplate person (slot name))"
//               "(defrule greet (person (name ?n)) => (printout t \"Hello \" ?n crlf))");
//   engine.Reset();
//   engine.Assert("(person (name Ada))");
//   engine.Run();                        // prints "Hello Ada"
//
// Ownership and lifetime: the engine owns everything it is given (rules,
// facts, the functions added with AddFunction, the handlers set on it).
// Values and fact views it answers are copies owned by the caller; they
// stay valid after the engine is destroyed. An engine is neither copyable
// nor movable, because the handlers it calls refer to it. Destroying the
// engine from inside one of its own handlers is not allowed.
//
// Threads: an engine is used by one thread at a time. Every member except
// Halt must be called on the thread that is using the engine, and never
// concurrently; handlers (OnPrintOut, the events, host functions) run on
// that thread, inside the call that caused them. Halt may be called from
// any thread at any time. Different engines share no state and may run
// on different threads at once.
//
// Errors: a member that fails throws EEngineError with the engine's
// message; what was done before the error stays done (a text loaded up to
// its bad line keeps the constructs read before it).

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vettora/engine_error.h"
#include "vettora/export.h"
#include "vettora/fact.h"
#include "vettora/value.h"

namespace vettora {

class VETTORA_API TEngine {
 public:
  static constexpr int32_t kRunForever = std::numeric_limits<int32_t>::max();

  // Receives printed text: `outId` is the logical name the text was
  // printed to ("t" for the standard output, also for watch lines), `text`
  // has LF line ends.
  using TPrintOutHandler = std::function<void(const std::string& outId, const std::string& text)>;
  // A host function: receives the evaluated arguments and answers the
  // result (a default TValue answers nil). An exception it throws becomes
  // an engine error naming its message.
  using THostFunction = std::function<TValue(const std::vector<TValue>& arguments)>;
  using TFactHandler = std::function<void(const TFactView& fact)>;
  using TRuleHandler = std::function<void(const std::string& ruleName)>;
  using TNotifyHandler = std::function<void()>;

  // A new engine with the built-in function packages, holding only the
  // initial fact. Printed text goes to std::cout until OnPrintOut or
  // SetOutput says otherwise.
  TEngine();
  ~TEngine();
  TEngine(const TEngine&) = delete;
  TEngine& operator=(const TEngine&) = delete;

  // ---- Rule-language text.
  // Reads the text and runs it: constructs (deftemplate, defrule,
  // deffunction, deffacts, ...) are added, top-level commands executed.
  void Load(const std::string& text);
  // The same for a file; EEngineError naming the file when it cannot be
  // read.
  void LoadFile(const std::string& fileName);
  // Evaluates one function call such as "(+ 1 2)" and answers its value.
  TValue Evaluate(const std::string& command);

  // ---- Facts.
  // Asserts the fact written as the rule language writes it, e.g.
  // "(person (name Ada) (age 36))"; answers its ID, or -1 when an equal
  // fact is already listed.
  int32_t Assert(const std::string& factText);
  // Retracts the fact of that ID; EEngineError when there is none.
  void Retract(int32_t factId);
  // Gives one slot of the fact a new value (the fact is retracted and
  // asserted again, as the rule language's modify does); answers the
  // fact's new ID.
  int32_t Modify(int32_t factId, const std::string& slot, const TValue& value);
  // The listed facts in ID order.
  [[nodiscard]] std::vector<TFactView> Facts() const;
  [[nodiscard]] std::optional<TFactView> FindFact(int32_t factId) const;

  // ---- Control.
  // Empties the fact list, asserts the initial fact and the deffacts.
  void Reset();
  // Empties the whole knowledge base.
  void Clear();
  // Fires rules until the agenda is empty, `maximum` rules have fired or
  // Halt was called; answers the number fired.
  int32_t Run(int32_t maximum = kRunForever);
  // Asks a run to stop after the rule it is firing. Safe from any thread.
  void Halt();
  // Rules fired by the current or last run.
  [[nodiscard]] int32_t RulesFired() const;
  // The version of the engine, as the rule language's (version) answers.
  [[nodiscard]] static std::string Version();

  // ---- Host functions.
  // Makes `name` callable from rules and commands with `minArguments` to
  // `maxArguments` arguments (-1: no upper limit); `help` is its help text.
  // A name already taken is an EEngineError.
  void AddFunction(const std::string& name, int32_t minArguments, int32_t maxArguments,
                   const std::string& help, THostFunction function);

  // ---- Output and events. Each handler is called only while set; setting
  // an empty one stops the calls.
  void SetOnPrintOut(TPrintOutHandler handler);
  // Sends printed text to the stream instead (null: to std::cout again).
  // The stream is not owned and must outlive its use.
  void SetOutput(std::ostream* stream);
  void SetOnAssertion(TFactHandler handler);
  void SetOnRetraction(TFactHandler handler);
  // Called after each rule fired, with the rule's name.
  void SetOnRuleFired(TRuleHandler handler);
  void SetOnReset(TNotifyHandler handler);
  void SetOnClear(TNotifyHandler handler);

 private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
};

}  // namespace vettora
