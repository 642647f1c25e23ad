#include <gtest/gtest.h>

#include "core/graph/NodeDialogFields.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

TEST(NodeDialogFieldValue, ReadsWholeNumbersAndRefusesTheRest) {
  EXPECT_EQ(NodeDialogFieldValue("0"), 0);
  EXPECT_EQ(NodeDialogFieldValue("12550"), 12550);  // the curve rules judge the value itself
  EXPECT_EQ(NodeDialogFieldValue("0075"), 75);

  const struct {
    const char* text;
    ErrorNumber number;
  } refused[] = {
      {"", ErrTypeMismatch},
      {"12a", ErrTypeMismatch},
      {" 12", ErrTypeMismatch},
      {"99999999999", ErrOverflow},
  };
  for (const auto& c : refused)
    EXPECT_EQ(testing::ErrorOf([&] { NodeDialogFieldValue(c.text); }), c.number) << "'" << c.text << "'";
}

}  // namespace
}  // namespace curvedesk
