// Template slots: definition order beside the sorted order, the name rules
// on creation, and a defined type on a multislot.
#include <gtest/gtest.h>

#include "knowledge/defined_type.h"
#include "knowledge/fact_template.h"
#include "values/exceptions.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

std::string Names(const TFactTemplate& t) {
  std::string names;
  for (const IFactSlot& slot : t.SlotsInOrder()) names += slot->Name() + " ";
  return names;
}

TEST(TemplateSlotOrder, DefinitionOrderIsKeptApartFromTheSortedOrder) {
  IFactTemplate t = MakeRef<TFactTemplate>("job");
  for (const char* name : {"zeta", "alpha", "Mid", "beta", "omega", "kappa", "delta"})
    t->AddSlot(name, MakeAtom("x"));
  EXPECT_EQ(Names(*t), "zeta alpha Mid beta omega kappa delta ");
  EXPECT_EQ(t->SlotNames().front(), "alpha");  // facts still use the sorted order
  EXPECT_EQ(t->SlotNames()[3], "kappa");
  // The printed text follows the definition order.
  std::string text = t->Text();
  EXPECT_LT(text.find("zeta"), text.find("alpha"));
  EXPECT_LT(text.find("kappa"), text.find("delta"));

  t->GetSlot("beta")->SetName("bravo");  // a rename keeps its place
  t->RemoveSlot("omega");
  IFactSlot replacement = MakeRef<TFactSlot>("alpha");
  t->AddSlotFrom(*replacement);  // a replacement takes the old one's place
  EXPECT_EQ(Names(*t), "zeta alpha Mid bravo kappa delta ");
  EXPECT_EQ(t->SlotCount(), 6);

  IFactTemplate copy = t->Clone();
  EXPECT_EQ(Names(*copy), Names(*t));
  t->ClearSlots();
  EXPECT_EQ(Names(*t), "");
}

TEST(TemplateNames, ForbiddenCharactersAreRefusedOnCreation) {
  for (const char* name : {"a#b", "a:b", "a b", "(x)"}) {
    try {
      IFactTemplate t = MakeRef<TFactTemplate>(name);
      ADD_FAILURE() << name << " was accepted";
    } catch (const EIEException& error) {
      EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
    }
  }
  EXPECT_NO_THROW((void)MakeRef<TFactTemplate>("need-job"));
  EXPECT_NO_THROW((void)MakeRef<TFactTemplate>("__NOT-OR-TEST-CE*"));
}

TEST(TemplateSlotTypes, ADefinedTypeKeepsAMultislotAMultislot) {
  IFactTemplate t = MakeRef<TFactTemplate>("scores");
  IFactSlot multi = t->AddMultiSlot("values", EmptyListValue());
  IFactSlot single = t->AddSlot("best", MakeInteger(0));
  IIEDefinedType level = TIEDefinedType::Create();
  level->SetName("level");
  level->SetBaseTypes(TIETypes{dtInteger});
  multi->SetExtendedTypeInfo(level);
  single->SetExtendedTypeInfo(level);
  EXPECT_TRUE(multi->IsMultiSlot());
  EXPECT_TRUE(multi->AdmitsLists());
  EXPECT_TRUE(multi->SlotType().Contains(dtInteger));
  EXPECT_EQ(multi->SlotDefault()->DType(), dtList);
  EXPECT_FALSE(single->IsMultiSlot());
  EXPECT_FALSE(single->AdmitsLists());
}

}  // namespace
}  // namespace vettora
