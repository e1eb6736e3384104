#pragma once
// TFactSet: a named, ordered list of facts that its engine asserts at every
// reset -- the rule language's `deffacts`. A component: the parser creates
// fact sets owned by the engine, and a host can place one next to the
// engine and point its Engine at it.
//
// The lines of text are the stored form; each line may carry the fact
// parsed from it (TFactSetFacts). Those facts are a cache, rebuilt from the
// text whenever the engine changes or the text is assigned, and parsed on
// demand for a line that has none.

#include <cstdint>
#include <string>
#include <vector>

#include "knowledge/fact.h"
#include "values/component.h"

namespace vettora {

class TInferenceEngine;

// One fact per line, each line with an optional parsed fact.
class TFactSetFacts {
 public:
  [[nodiscard]] int32_t Count() const { return int32_t(FLines.size()); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  [[nodiscard]] const std::string& Strings(int32_t index) const { return Line(index).Text; }
  [[nodiscard]] const IFact& Facts(int32_t index) const { return Line(index).Fact; }
  void SetFact(int32_t index, IFact fact) { Line(index).Fact = std::move(fact); }
  int32_t Add(std::string text, IFact fact = nullptr);
  void Delete(int32_t index);
  void Clear() { FLines.clear(); }
  // Drops every attached fact, keeping the text.
  void DropFacts();
  // The lines joined by CR LF.
  [[nodiscard]] std::string Text() const;
  [[nodiscard]] std::vector<std::string> Lines() const;

 private:
  struct TLine {
    std::string Text;
    IFact Fact;
  };
  [[nodiscard]] TLine& Line(int32_t index);
  [[nodiscard]] const TLine& Line(int32_t index) const;
  std::vector<TLine> FLines;
};

class TFactSet : public TComponent {
 public:
  static constexpr const char* kDefaultName = "FactSet";

  // An engine given as owner becomes the set's engine.
  explicit TFactSet(TComponent* owner = nullptr);
  ~TFactSet() override;

  [[nodiscard]] std::string ClassName() const override { return "TFactSet"; }

  [[nodiscard]] const std::string& FactSetName() const { return FFactSetName; }
  void SetFactSetName(const std::string& name) { FFactSetName = name; }
  [[nodiscard]] const std::string& Comment() const { return FComment; }
  void SetComment(const std::string& comment) { FComment = comment; }

  // Setting leaves the old engine's fact-set collection and joins the new
  // one's; every line is parsed again by the new engine (a line that does
  // not parse keeps no fact and is parsed again when it is needed).
  [[nodiscard]] TInferenceEngine* Engine() const { return FEngine; }
  void SetEngine(TInferenceEngine* engine);

  [[nodiscard]] const TFactSetFacts& Facts() const { return FFacts; }
  // Assigns the text, one fact per line, and parses each line with the
  // engine (as SetEngine does).
  void SetFacts(const std::vector<std::string>& lines);

  // Appends the fact's text as a new line carrying the fact; answers the
  // line index.
  int32_t AddFact(const IFact& fact);
  // The fact of a line, parsed on demand when the set has an engine (a
  // parse error is raised); empty without engine or fact.
  [[nodiscard]] IFact FactAt(int32_t index);

  // With an engine: asserts a copy of each line's fact, in line order, its
  // slot values evaluated in the engine's root context. Lines that do not
  // parse are skipped; an equal fact already listed is refused as usual.
  void AssertFacts();

  // Deletes the lines whose fact is of the template (it is being removed).
  void RemoveFactsOf(const TFactTemplate* factTemplate);
  // Parses again the lines whose fact is of the template (it is being
  // replaced by one of the same name).
  void ReparseFactsOf(const TFactTemplate* factTemplate);

  // Takes the name, the comment and the facts of `source`: re-parsed from
  // their text when this set is owned by an engine, otherwise copied.
  void Assign(const TFactSet& source);

  // The `deffacts` text, from the engine's printer.
  [[nodiscard]] std::string Text() const;

  // Loaded with its form at run time: asserts its facts at once.
  void Loaded();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TFactSets;
  // Called by the engine's fact-set collection.
  void AttachEngine(TInferenceEngine* engine);
  void ReparseAll();
  [[nodiscard]] IFact Parse(const std::string& text) const;
  [[nodiscard]] static std::string LineOf(const TFact& fact, TInferenceEngine* engine);

  std::string FFactSetName = kDefaultName;
  std::string FComment;
  TInferenceEngine* FEngine = nullptr;
  TFactSetFacts FFacts;
};

}  // namespace vettora
