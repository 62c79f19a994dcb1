#pragma once
// Loads .ui forms that hold the suite's controls.
//
// QUiLoader makes only the stock widget classes by itself; this loader also
// makes the fourteen suite controls, named in the form by their class name
// with or without the namespace ("skinButton", "palvex::qt::skinButton").
// Their properties (colours, Tag, captions) are set from the form like any
// other. Everything else is left to QUiLoader.
//
//   palvex::qt::UiLoader loader;
//   QFile file(":/forms/customer.ui");
//   file.open(QFile::ReadOnly);
//   QWidget* form = loader.load(&file, parent);
//
// A program that uses it links Qt6::UiTools itself (palvex-qt uses it privately).

#include <QUiLoader>

#include "palvex/qt/export.h"

namespace palvex::qt {

class PALVEX_QT_EXPORT UiLoader : public QUiLoader {
  Q_OBJECT

 public:
  explicit UiLoader(QObject* parent = nullptr);

  QWidget* createWidget(const QString& className, QWidget* parent = nullptr,
                        const QString& name = QString()) override;
};

}  // namespace palvex::qt
