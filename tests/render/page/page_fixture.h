#pragma once

#include <map>
#include <optional>
#include <string>

#include "document/korvix_doc.h"
#include "fake_view_window.h"
#include "render/page_view.h"

namespace korvix {

// A project of three empty pages on page 1, shown through a fake window;
// the bitmap files are whatever `bitmaps` holds.
class PageFixture {
protected:
  // `run` is what the page shows of a running program.
  explicit PageFixture(PageRunSources run = {})
      : m_page(
            m_doc, m_view, m_window,
            [this](const std::string& file) -> std::optional<Bitmap> {
              ++loads;
              const auto found = bitmaps.find(file);
              if (found == bitmaps.end()) return std::nullopt;
              return found->second;
            },
            m_objects, run) {
    for (int i = 0; i < 3; ++i) m_doc.m_pages.Add();
  }

  // Adds a record of the list's kind on page at stacking number stacknum,
  // position (x, y), counting it in the page's objects; returns its index.
  template <class List>
  int Add(List& list, int page, int stacknum, int x, int y, std::string label = {}) {
    typename List::value_type r;
    r.page = page;
    r.stacknum = stacknum;
    r.x = x;
    r.y = y;
    // The label also goes into the title, so that the kinds that show
    // their title rather than their ID Label name themselves when drawn.
    if constexpr (requires { r.idlabel; }) r.idlabel = label;
    if constexpr (requires { r.title; })
      r.title = label;
    else if constexpr (requires { r.text; })
      r.text = label;
    m_doc.m_pages[page].objectcount++;
    return list.Add(std::move(r));
  }

  CKorvixDoc m_doc;
  ViewState m_view;
  FakeViewWindow m_window;
  std::map<std::string, Bitmap> bitmaps;
  int loads = 0;
  ObjectStates m_objects{m_doc, m_view};
  PageView m_page;
};

}  // namespace korvix
