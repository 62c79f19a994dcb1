#pragma once
// The host's handle on the theme engine. All Tema objects share one engine
// (the process-wide state); a Tema itself holds only its event clients.
// Reachable late-bound too, by the names of its operations.

#include "palvex/export.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "palvex/object.h"

namespace palvex {

class PALVEX_EXPORT Tema final : public Object {
 public:
  using NuevoTemaHandler = std::function<void(Variant& nombreTema)>;
  using Connection = std::uint64_t;

  // Creating the first Tema (more exactly: one while no theme name is set)
  // makes the current theme "Default" and keeps that object as firstTema.
  static std::shared_ptr<Tema> create();

  // Themes one control or object; never throws.
  void Aplicar(const Variant& objeto);
  void setTema(const std::string& nombreTema);
  // Themes a form and every control on it. Errors of the form element reach the caller.
  void configurarFormulario(const Variant& f);
  std::int32_t BackColor();
  std::int32_t LabelColor();
  // The catalogue names in store order (empty when there are none).
  std::vector<std::string> listaPalvex();
  // Catalogue index of `nombreTema` (case-blind), -1 when absent.
  std::int16_t indiceTema(const std::string& nombreTema);
  std::int16_t maxIndiceTema();
  std::string getTema();
  // Opens the designer installed by a toolkit binding; throws when none is.
  void editarTema();

  // NuevoTema(nombreTema): raised synchronously by setTema, to this object's clients only.
  Connection connectNuevoTema(NuevoTemaHandler handler);
  void disconnectNuevoTema(Connection connection);

  // Object (late-bound access by operation name).
  std::string typeName() const override { return "Tema"; }
  Lookup tryGet(std::string_view name, Variant& out) override;
  Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result) override;

 private:
  struct PrivateTag {};

 public:
  explicit Tema(PrivateTag) {}

 private:
  void aplicarPorTipo(const Variant& objeto);
  std::vector<std::pair<Connection, NuevoTemaHandler>> clients_;
  Connection nextConnection_ = 1;
};

// The designer hook: a toolkit binding installs the function that opens a
// designer window; editarTema calls it. nullptr uninstalls.
using DesignerOpener = std::function<void()>;
PALVEX_EXPORT void installDesigner(DesignerOpener opener);

}  // namespace palvex
