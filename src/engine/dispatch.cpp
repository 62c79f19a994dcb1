// PROVISIONAL: the apply dispatch arrives with the element classes.
#include "palvex/tema.h"

namespace palvex {
void Tema::Aplicar(const Variant&) {}
void Tema::configurarFormulario(const Variant&) { throw invalidCallError("not available yet"); }
std::int32_t Tema::BackColor() { throw invalidCallError("not available yet"); }
std::int32_t Tema::LabelColor() { throw invalidCallError("not available yet"); }
void Tema::aplicarPorTipo(const Variant&) {}
}  // namespace palvex
