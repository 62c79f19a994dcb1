#include "qt/binding/meta_access.h"

#include <array>
#include <unordered_map>
#include <vector>

#include <QColor>
#include <QMetaMethod>
#include <QWidget>

#include "palvex/qt/controls.h"  // palvex::ObjectRef as a Qt metatype
#include "palvex/system_colours.h"
#include "palvex/text.h"

namespace palvex::qt::detail {
namespace {

ObjectBridge& bridge() {
  static ObjectBridge b;
  return b;
}

using NameIndex =
    std::unordered_map<std::string, std::vector<int>, text::CaseInsensitiveHash, text::CaseInsensitiveEqual>;

// Members by case-blind name, built once per class: the dispatch probes every
// control for members most of them lack, so a miss must be cheap.
struct MetaIndex {
  NameIndex properties;
  NameIndex methods;  // public slots and Q_INVOKABLEs, every overload
};

const MetaIndex& metaIndex(const QMetaObject* mo) {
  static std::unordered_map<const QMetaObject*, MetaIndex> cache;
  auto it = cache.find(mo);
  if (it != cache.end()) return it->second;
  MetaIndex index;
  for (int i = 0; i < mo->propertyCount(); ++i) index.properties[mo->property(i).name()].push_back(i);
  for (int i = 0; i < mo->methodCount(); ++i) {
    const QMetaMethod m = mo->method(i);
    if (m.access() != QMetaMethod::Public) continue;
    if (m.methodType() != QMetaMethod::Method && m.methodType() != QMetaMethod::Slot) continue;
    index.methods[m.name().toStdString()].push_back(i);
  }
  return cache.emplace(mo, std::move(index)).first->second;
}

// Among candidates of one case-blind name, the exact spelling wins, then the
// most derived declaration (the highest index).
template <class NameOf>
int pick(const std::vector<int>& candidates, std::string_view name, NameOf nameOf) {
  for (int i : candidates)
    if (nameOf(i) == name) return i;
  return candidates.back();
}

QColor colourOf(std::int32_t value) {
  const std::optional<std::int32_t> rgb = resolveColour(value);
  if (!rgb) throw invalidCallError("the colour value names no colour");
  return QColor(*rgb & 0xFF, (*rgb >> 8) & 0xFF, (*rgb >> 16) & 0xFF);
}

std::int32_t colourRefOf(const QColor& colour) {
  return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

const QMetaType& objectRefType() {
  static const QMetaType type = QMetaType::fromType<ObjectRef>();
  return type;
}

std::string_view view(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

void setObjectBridge(ObjectBridge b) { bridge() = std::move(b); }

QMetaProperty findProperty(const QObject& object, std::string_view name) {
  const QMetaObject* mo = object.metaObject();
  const MetaIndex& index = metaIndex(mo);
  auto it = index.properties.find(name);
  if (it == index.properties.end()) return {};
  return mo->property(pick(it->second, name, [&](int i) { return std::string_view(mo->property(i).name()); }));
}

QByteArray findDynamicProperty(const QObject& object, std::string_view name) {
  for (const QByteArray& key : object.dynamicPropertyNames())
    if (text::equalsIgnoreCase(view(key), name)) return key;
  return {};
}

Lookup readProperty(const QObject& object, std::string_view name, Variant& out) {
  if (QMetaProperty property = findProperty(object, name); property.isValid()) {
    if (!property.isReadable()) throw invalidCallError("property " + std::string(name) + " cannot be read");
    out = fromQVariant(property.read(&object));
    return Lookup::Found;
  }
  const QByteArray dynamic = findDynamicProperty(object, name);
  if (dynamic.isEmpty()) return Lookup::NoMember;
  out = fromQVariant(object.property(dynamic.constData()));
  return Lookup::Found;
}

Lookup writeProperty(QObject& object, std::string_view name, const Variant& value) {
  if (QMetaProperty property = findProperty(object, name); property.isValid()) {
    if (!property.isWritable()) throw invalidCallError("property " + std::string(name) + " is read-only");
    if (!property.write(&object, toQVariant(value, property.metaType())))
      throw typeMismatchError("property " + std::string(name) + " refused a " + value.typeName());
    return Lookup::Found;
  }
  const QByteArray dynamic = findDynamicProperty(object, name);
  if (dynamic.isEmpty()) return Lookup::NoMember;
  object.setProperty(dynamic.constData(), toQVariant(value));
  return Lookup::Found;
}

Lookup invokeMethod(QObject& object, std::string_view name, std::span<Variant> args, Variant& result) {
  const QMetaObject* mo = object.metaObject();
  const MetaIndex& index = metaIndex(mo);
  auto it = index.methods.find(name);
  if (it == index.methods.end()) return Lookup::NoMember;
  constexpr std::size_t kMaxArgs = 10;
  if (args.size() > kMaxArgs) throw invalidCallError("too many arguments for " + std::string(name));

  QMetaMethod method;
  for (int i : it->second) {
    const QMetaMethod candidate = mo->method(i);
    if (static_cast<std::size_t>(candidate.parameterCount()) == args.size()) {
      method = candidate;
      if (candidate.name() == QByteArray(name.data(), static_cast<qsizetype>(name.size()))) break;
    }
  }
  if (!method.isValid())
    throw invalidCallError(std::string(name) + " does not take " + std::to_string(args.size()) + " arguments");

  // Each argument converted to the parameter's type; a QVariant parameter is
  // handed the QVariant itself.
  std::array<QVariant, kMaxArgs> storage;
  std::array<QGenericArgument, kMaxArgs> generic;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const QMetaType type = method.parameterMetaType(static_cast<int>(i));
    if (type == QMetaType::fromType<QVariant>()) {
      storage[i] = toQVariant(args[i]);
      generic[i] = QGenericArgument("QVariant", &storage[i]);
    } else {
      storage[i] = toQVariant(args[i], type);
      generic[i] = QGenericArgument(type.name(), storage[i].constData());
    }
  }
  const QMetaType returnType = method.returnMetaType();
  QVariant returned;
  QGenericReturnArgument generic_return;
  if (returnType.isValid() && returnType.id() != QMetaType::Void) {
    returned = QVariant(returnType, nullptr);
    generic_return = QGenericReturnArgument(returnType.name(), returned.data());
  }
  const bool ok = method.invoke(&object, Qt::DirectConnection, generic_return, generic[0], generic[1],
                                generic[2], generic[3], generic[4], generic[5], generic[6], generic[7],
                                generic[8], generic[9]);
  if (!ok) throw invalidCallError("the call of " + std::string(name) + " failed");
  if (returnType == QMetaType::fromType<QVariant>())
    result = fromQVariant(returned.value<QVariant>());
  else if (returned.isValid())
    result = fromQVariant(returned);
  else
    result = Variant();
  return Lookup::Found;
}

QVariant toQVariant(const Variant& value) {
  switch (value.type()) {
    case VarType::Empty: return {};
    case VarType::Boolean: return value.toBool();
    case VarType::Integer:
    case VarType::Long: return value.toInt32();
    case VarType::LongLong: return static_cast<qlonglong>(value.toInt64());
    case VarType::Double:
    case VarType::Currency: return value.toDouble();
    case VarType::String: return QString::fromStdString(value.toString());
    case VarType::Object: return QVariant::fromValue(value.toObject());
    case VarType::Nothing: return QVariant::fromValue(ObjectRef());
  }
  return {};
}

QVariant toQVariant(const Variant& value, QMetaType target) {
  const int id = target.id();
  switch (id) {
    case QMetaType::Bool: return value.toBool();
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::UInt: {
      QVariant v(value.toInt32());
      v.convert(target);
      return v;
    }
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::ULong: {
      QVariant v(static_cast<qlonglong>(value.toInt64()));
      v.convert(target);
      return v;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
      QVariant v(value.toDouble());
      v.convert(target);
      return v;
    }
    case QMetaType::QString: return QString::fromStdString(value.toString());
    case QMetaType::QColor: return colourOf(value.toInt32());
    default: break;
  }
  if (target == objectRefType()) return value.isNothing() ? QVariant::fromValue(ObjectRef()) : toQVariant(value);
  if (target.flags() & QMetaType::PointerToQObject) {
    QWidget* widget = value.isObject() && bridge().unwrap ? bridge().unwrap(value) : nullptr;
    if (value.isObject() && !widget) throw typeMismatchError("the object is not a widget");
    QVariant v(target, nullptr);
    *static_cast<QObject**>(v.data()) = widget;
    return v;
  }
  QVariant v = toQVariant(value);
  if (!v.convert(target)) throw typeMismatchError(std::string("cannot pass a ") + value.typeName() + " as " + target.name());
  return v;
}

Variant fromQVariant(const QVariant& value) {
  if (!value.isValid()) return Variant();
  const QMetaType type = value.metaType();
  switch (type.id()) {
    case QMetaType::Bool: return Variant(value.toBool());
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Int: return Variant(static_cast<std::int32_t>(value.toInt()));
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return Variant(static_cast<std::int64_t>(value.toLongLong()));
    case QMetaType::Double:
    case QMetaType::Float: return Variant(value.toDouble());
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QChar: return Variant(value.toString().toStdString());
    case QMetaType::QColor: return Variant(colourRefOf(value.value<QColor>()));
    case QMetaType::QStringList: return Variant(value.toStringList().join(QLatin1Char('\n')).toStdString());
    default: break;
  }
  if (type == objectRefType()) {
    ObjectRef object = value.value<ObjectRef>();
    return object ? Variant(std::move(object)) : Variant(Nothing{});
  }
  if (type.flags() & QMetaType::PointerToQObject) {
    auto* widget = qobject_cast<QWidget*>(*static_cast<QObject* const*>(value.constData()));
    if (!widget) return Variant(Nothing{});
    return bridge().wrap ? bridge().wrap(widget) : Variant(Nothing{});
  }
  if (type.flags() & QMetaType::IsEnumeration) return Variant(static_cast<std::int32_t>(value.toInt()));
  throw typeMismatchError(std::string("a ") + type.name() + " has no engine value");
}

}  // namespace palvex::qt::detail
