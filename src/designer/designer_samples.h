#pragma once
// The kinds of sample control the designer's preview holds, and how one is
// made with its sample content.

#include <QString>

class QStatusBar;
class QWidget;

namespace palvex::designer::detail {

enum class SampleKind {
  Group,        // a borderless frame holding the text group
  Label,
  Shape,        // the suite's outline figure
  RoundButton,
  Tabs,         // two tabs, "Tab 1" and "Tab 2"
  Check,        // unchecked
  Combo,        // `text` shown
  List,         // empty until the window loads
  CodeBox,      // at most 20 characters
  Text,
  Number,       // its calculator button shown
  Date,
  Grid,         // 9 rows by 8 columns, the first row fixed
  Button,
};

// A new sample of `kind` in `parent`, showing `text` where the kind has a
// caption (a group keeps it as its accessible name: the group's visible
// heading is a label on its outline).
QWidget* createSample(SampleKind kind, const QString& text, QWidget* parent);

// The status bar's one panel, filling the bar.
void addStatusPanel(QStatusBar& bar, const QString& text);

}  // namespace palvex::designer::detail
