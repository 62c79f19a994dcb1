#pragma once
// Late-bound access to any QObject through its meta-object: Q_PROPERTYs,
// dynamic properties and invokable methods by name, case-blind, with the
// conversions between the engine's Variant and QVariant.

#include <functional>
#include <span>
#include <string_view>

#include <QMetaProperty>
#include <QVariant>

#include "palvex/object.h"

class QWidget;

namespace palvex::qt::detail {

// How a widget found in a value becomes an engine object, and back.
struct ObjectBridge {
  std::function<Variant(QWidget*)> wrap;
  std::function<QWidget*(const Variant&)> unwrap;
};
void setObjectBridge(ObjectBridge bridge);

// The Q_PROPERTY of `object` named `name` (exact spelling first, then
// case-blind); an invalid QMetaProperty when there is none.
QMetaProperty findProperty(const QObject& object, std::string_view name);
// The name of the dynamic property called `name`, case-blind; empty when none.
QByteArray findDynamicProperty(const QObject& object, std::string_view name);

Lookup readProperty(const QObject& object, std::string_view name, Variant& out);
// Throws palvex::Error when the property refuses the value (read-only, wrong type).
Lookup writeProperty(QObject& object, std::string_view name, const Variant& value);
// Calls the public slot or Q_INVOKABLE method `name` taking args.size()
// arguments; throws when the call fails or the argument count fits no overload.
Lookup invokeMethod(QObject& object, std::string_view name, std::span<Variant> args, Variant& result);

// Conversions. A QVariant of a type the engine has no kind for is a type mismatch.
QVariant toQVariant(const Variant& value);
QVariant toQVariant(const Variant& value, QMetaType target);
Variant fromQVariant(const QVariant& value);

}  // namespace palvex::qt::detail
