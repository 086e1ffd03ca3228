#pragma once

#include <QAccessible>
#include <QLabel>
#include <QString>

namespace korvix::testing {

// The characters a label puts on the screen, as Qt reads them out to a screen
// reader: markup the label renders is gone, its text shown as typed stays.
inline QString ShownText(QLabel* label) {
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(label);
  return access ? access->text(QAccessible::Name) : QString();
}

// Texts from outside the program that read as markup when taken for it.
inline const char* const kMarkupLikeTexts[] = {
    "550 Mailbox <address> unknown, <b>see</b> postmaster",
    "<b>Tank</b> overflow",
    "Tom &amp; Jerry",
    "<img src=\"/tmp/x.png\"> picture",
};

}  // namespace korvix::testing
