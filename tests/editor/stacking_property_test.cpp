#include <random>

#include "editor_fixture.h"

namespace korvix {
namespace {

// Random edit sequences over a few pages: after every step each page holds
// the stacking numbers 0 to its objectcount - 1, each once.
class StackingPropertyTest : public EditorTest, public ::testing::WithParamInterface<unsigned> {
protected:
  void SelectSome(std::mt19937& random) {
    page.DeselectAll();
    std::bernoulli_distribution pick(0.3);
    ForEachObject(doc, [&](auto tag, int index, auto& record) {
      if (record.page == doc.m_curpage && pick(random)) editor.ToggleSelected({tag.value, index});
    });
  }
};

TEST_P(StackingPropertyTest, EverySequenceKeepsEachPageWithoutGapsOrRepeats) {
  std::mt19937 random(GetParam());
  std::uniform_int_distribution<int> kind(0, kObjectKindCount - 1);
  std::uniform_int_distribution<int> action(0, 11);
  std::uniform_int_distribution<int> anypage(1, 4);
  for (int step = 0; step < 300; ++step) {
    const int a = action(random);
    switch (a) {
      case 0:
      case 1:
      case 2: editor.Place(static_cast<ScreenObjectKind>(kind(random))); break;
      case 3:
        SelectSome(random);
        editor.OnEditDelete();
        break;
      case 4:
        SelectSome(random);
        editor.OnEditCut();
        break;
      case 5:
        SelectSome(random);
        editor.OnEditCopy();
        break;
      case 6: editor.OnEditPaste(); break;
      case 7:
        SelectSome(random);
        editor.OnEditBringToFront();
        break;
      case 8:
        SelectSome(random);
        editor.OnEditSendToBack();
        break;
      case 9:
        if (doc.m_pages.Count() < 5)
          editor.OnPageAdd();
        else
          editor.OnPageDelete();
        break;
      case 10: editor.MovePage(anypage(random)); break;
      case 11: editor.GoToPage(anypage(random)); break;
    }
    ASSERT_TRUE(StackingIsValid(doc)) << "step " << step << " action " << a;
    int selected = 0;
    ForEachObject(
        doc, [&](auto tag, int index, const auto&) { selected += page.m_runstates.At(tag.value, index).selected; });
    ASSERT_EQ(selected, page.m_numselected) << "step " << step << " action " << a;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, StackingPropertyTest, ::testing::Values(1u, 2u, 3u, 42u, 2026u));

}  // namespace
}  // namespace korvix
