// The list rules every toolkit shares, run on the tests' double, which keeps its rows in memory.
#include <memory>

#include "fakelistwidget.h"
#include "listcontract.h"

namespace kelvane::test {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Double, ListWidgetContract,
    testing::Values(ListMaker{
        "Double", [](ListRows::Style style) { return std::make_shared<FakeListWidget>(style); }}),
    MakerName<ListMaker>);

}  // namespace
}  // namespace kelvane::test
