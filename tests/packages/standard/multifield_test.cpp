// The multifield functions: building, reading, cutting, splicing and
// searching lists, and lists to and from text.
#include "fact_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(FactTest, CreateKeepsNestedListsAsOneElement) {
  EXPECT_EQ(Text("(create$)"), "[]");
  EXPECT_EQ(Text("(create$ a 1 \"s\" 2.5)"), "[a 1 \"s\" 2.5000]");
  EXPECT_EQ(Text("(create$ a (create$ b c))"), "[a [b c]]");
  EXPECT_EQ(Text("(length$ (create$ a (create$ b c)))"), "2");
  EXPECT_EQ(Text("(length$ (create$))"), "0");
  EXPECT_TRUE(Contains(ErrorOf("(length$ a)"), "Not a list type"));
}

TEST_F(FactTest, FirstRestAndNthReadFromPositionZero) {
  EXPECT_EQ(Text("(first$ (create$ a b))"), "a");
  EXPECT_EQ(Eval("(first$ (create$))").Get(), NilValue().Get());
  EXPECT_EQ(Text("(rest$ (create$ a b c))"), "[b c]");
  EXPECT_EQ(Text("(rest$ (create$ a))"), "[]");
  EXPECT_EQ(ErrorOf("(rest$ (create$))"), "List index out of bounds (0)");
  EXPECT_EQ(Text("(nth$ 0 (create$ a b))"), "a");
  EXPECT_EQ(Text("(nth$ 1 (create$ a b))"), "b");
  EXPECT_EQ(ErrorOf("(nth$ 2 (create$ a b))"), "List index out of bounds (2)");
  EXPECT_EQ(ErrorOf("(nth$ -1 (create$ a b))"), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf("(nth$ 0 (create$))"), "List index out of bounds (0)");
}

TEST_F(FactTest, MemberTestsKindAndValue) {
  EXPECT_EQ(Text("(member$ 2 (create$ 1 2.0 2))"), "2");
  EXPECT_EQ(Text("(member$ x (create$ a b))"), "FALSE");
  EXPECT_EQ(Text("(member$ (create$ b) (create$ a (create$ b)))"), "1");
  EXPECT_EQ(Text("(member b a b c b)"), "1");
  EXPECT_EQ(Text("(member z a b)"), "FALSE");
  // Arguments after the match are not evaluated.
  EXPECT_EQ(Text("(member a a (nth$ 5 (create$)))"), "0");
}

TEST_F(FactTest, SubseqTakesARangeAndStopsAtTheEnd) {
  EXPECT_EQ(Text("(subseq$ (create$ a b c d) 1 2)"), "[b c]");
  EXPECT_EQ(Text("(subseq$ (create$ a b c d) 2 2)"), "[c]");
  EXPECT_EQ(Text("(subseq$ (create$ a b c d) 2 99)"), "[c d]");
  EXPECT_EQ(ErrorOf("(subseq$ (create$ a b) 2 3)"), "List index out of bounds (2)");
  EXPECT_EQ(ErrorOf("(subseq$ (create$ a b) -1 0)"), "List index out of bounds (-1)");
  // The range is checked before the list is looked at.
  EXPECT_EQ(ErrorOf("(subseq$ not-a-list 3 1)"),
            "Invalid multifield begin and end parameters: 3, 1");
}

TEST_F(FactTest, DeleteAndReplaceCutARange) {
  EXPECT_EQ(Text("(delete$ (create$ a b c d) 1 2)"), "[a d]");
  EXPECT_EQ(Text("(delete$ (create$ a b c d) 3 10)"), "[a b c]");
  EXPECT_EQ(Text("(delete$ (create$ a b) 5 6)"), "[a b]");
  EXPECT_EQ(ErrorOf("(delete$ (create$ a) 1 0)"),
            "Invalid multifield begin and end parameters: 1, 0");
  // The new values go in at the start, each in front of the one before.
  EXPECT_EQ(Text("(replace$ (create$ a b c d) 1 2 x y)"), "[a y x d]");
  EXPECT_EQ(Text("(replace$ (create$ a b) 1 1 x)"), "[a x]");
  EXPECT_EQ(Text("(replace$ (create$ a b) 1 5 x)"), "[a x]");
  EXPECT_EQ(ErrorOf("(replace$ (create$ a b) 3 4 x)"), "List index out of bounds (3)");
}

TEST_F(FactTest, InsertMakesANewListAndLeavesTheGivenOneAlone) {
  Run("(deffunction both (?l) (create$ (insert$ ?l 1 x y) ?l))");
  EXPECT_EQ(Text("(both (create$ a b))"), "[[a y x b] [a b]]");
  EXPECT_EQ(Text("(insert$ (create$ a b) 2 c)"), "[a b c]");
  EXPECT_EQ(Text("(insert$ (create$) 0 c)"), "[c]");
  EXPECT_EQ(ErrorOf("(insert$ (create$ a b) 3 c)"), "List index out of bounds (3)");
  EXPECT_EQ(ErrorOf("(insert$ (create$ a b) -1 c)"), "List index out of bounds (-1)");
}

TEST_F(FactTest, SubsetpLooksForARunOfNeighbours) {
  EXPECT_EQ(Text("(subsetp (create$ b c) (create$ a b c))"), "TRUE");
  EXPECT_EQ(Text("(subsetp (create$ c d) (create$ a b c))"), "FALSE");
  EXPECT_EQ(Text("(subsetp (create$ a c) (create$ a b c))"), "FALSE");
  EXPECT_EQ(Text("(subsetp b (create$ a b c))"), "TRUE");
  EXPECT_EQ(Text("(subsetp 2 (create$ 2.0))"), "FALSE");
  EXPECT_EQ(Text("(subsetp (create$ a b c d) (create$ a b c))"), "FALSE");
  EXPECT_EQ(Text("(subsetp (create$) (create$))"), "FALSE");
  EXPECT_EQ(ErrorOf("(subsetp (create$) (create$ a))"), "List index out of bounds (0)");
}

TEST_F(FactTest, ExplodeCutsAtBlanksAndImplodeJoins) {
  IIEValue list = Eval("(explode$ \"  a  12 b \")");
  EXPECT_EQ(Shown(list), "[a 12 b]");
  for (const IIEValue& piece : *list->AsList()) EXPECT_EQ(piece->DType(), dtAtom);
  EXPECT_EQ(Text("(explode$ \"\")"), "[]");
  EXPECT_EQ(Text("(explode$ \"   \")"), "[]");
  // Control characters are trimmed at the ends and after a cut; a tab
  // inside a piece stays in it.
  EXPECT_EQ(Text("(length$ (explode$ \"\ta\tb  \t c\r\n\"))"), "2");
  EXPECT_EQ(Eval("(nth$ 0 (explode$ \"\ta\tb  \t c\r\n\"))")->AsString(), "a\tb");
  EXPECT_EQ(Text("(explode$ \"( \\\" ;\")"), "[( \" ;]");
  EXPECT_EQ(Text("(explode$ 12)"), "[12]");
  IIEValue joined = Eval("(implode$ (create$ a \"b\" 1.5))");
  EXPECT_EQ(joined->DType(), dtString);
  EXPECT_EQ(joined->AsString(), "a b 1.5000");
  EXPECT_EQ(Eval("(implode$ (create$))")->AsString(), "");
}

}  // namespace
}  // namespace vettora::testing
