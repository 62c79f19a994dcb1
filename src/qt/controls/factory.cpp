// Making the suite controls by class name, for form loaders and tools.

#include <QUiLoader>
#include <array>
#include <utility>

#include "palvex/qt/controls.h"
#include "palvex/qt/controls_ui_loader.h"

namespace palvex::qt {

namespace {

using Maker = QWidget* (*)(QWidget*);

template <class Control>
QWidget* make(QWidget* parent) {
  return new Control(parent);
}

struct Kind {
  const char* name;
  const QMetaObject* meta;
  Maker maker;
};

template <class Control>
constexpr Kind kind(const char* name) {
  return Kind{name, &Control::staticMetaObject, &make<Control>};
}

const std::array<Kind, 14>& kinds() {
  static const std::array<Kind, 14> table{
      kind<skinCombo>("skinCombo"),   kind<skinList>("skinList"),       kind<skinCodeBox>("skinCodeBox"),
      kind<skinText>("skinText"),     kind<skinNumber>("skinNumber"),   kind<skinDate>("skinDate"),
      kind<skinCheck>("skinCheck"),   kind<skinTabs>("skinTabs"),       kind<skinButton>("skinButton"),
      kind<roundButton>("roundButton"), kind<boxedLabel>("boxedLabel"), kind<plainCheck>("plainCheck"),
      kind<slideButton>("slideButton"), kind<Shape>("Shape")};
  return table;
}

const QString& namespacePrefix() {
  static const QString prefix = QStringLiteral("palvex::qt::");
  return prefix;
}

}  // namespace

QStringList controlClassNames() {
  QStringList names;
  for (const Kind& entry : kinds()) names.append(QString::fromLatin1(entry.name));
  return names;
}

QWidget* createControl(const QString& className, QWidget* parent) {
  QString name = className;
  if (name.startsWith(namespacePrefix())) name.remove(0, namespacePrefix().size());
  for (const Kind& entry : kinds())
    if (name == QLatin1String(entry.name)) return entry.maker(parent);
  return nullptr;
}

bool isSuiteControl(const QObject* object) {
  if (!object) return false;
  for (const Kind& entry : kinds())
    if (entry.meta->cast(object)) return true;
  return false;
}

UiLoader::UiLoader(QObject* parent) : QUiLoader(parent) {}

QWidget* UiLoader::createWidget(const QString& className, QWidget* parent, const QString& name) {
  QWidget* control = createControl(className, parent);
  if (!control) return QUiLoader::createWidget(className, parent, name);
  control->setObjectName(name);
  return control;
}

}  // namespace palvex::qt
