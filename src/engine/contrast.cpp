#include "palvex/contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "palvex/element.h"
#include "palvex/globales.h"
#include "palvex/system_colours.h"
#include "palvex/text.h"

namespace palvex {
namespace {

// What the controls paint on what. Labels, option buttons and the stock and
// plain check boxes sit on the form and take its back colour (the form
// element hands it on through the label element and the dispatch); the
// suite's check box draws its caption and its box and mark straight on the
// form too. A disabled plain check box is captioned in the button element's
// disabled back colour, so that colour must read on the form as well.
constexpr ContrastPair kPairs[] = {
    {"button", "button text", "texto del botón sobre su fondo",
     {"CCommandButton", "foreColor"}, {"CCommandButton", "BackColor"}},
    {"button-focused", "focused button text", "texto del botón con el foco sobre su fondo",
     {"CCommandButton", "foreColorFocused"}, {"CCommandButton", "backColorFocused"}},
    {"button-disabled", "disabled button text", "texto del botón desactivado sobre su fondo",
     {"CCommandButton", "foreColorDisabled"}, {"CCommandButton", "backColorDisabled"}},
    {"grid", "grid cell text", "texto de las celdas de la rejilla sobre su fondo",
     {"CGrid", "foreColor"}, {"CGrid", "BackColor"}},
    {"grid-fixed", "grid header text", "texto de las cabeceras de la rejilla sobre su fondo",
     {"CGrid", "foreColorFixed"}, {"CGrid", "backColorFixed"}},
    {"grid-selection", "selected grid cell text", "texto de las celdas seleccionadas sobre su fondo",
     {"CGrid", "foreColorSel"}, {"CGrid", "backColorSel"}},
    {"text", "text box text (and boxed labels)", "texto de los campos sobre su fondo",
     {"CText", "foreColor"}, {"CText", "BackColor"}},
    {"text-focused", "focused text box text", "texto del campo con el foco sobre su fondo",
     {"CText", "foreColorFocused"}, {"CText", "backColorFocused"}},
    {"check-caption", "check box caption on the form", "título de la casilla sobre el formulario",
     {"CCheckBox", "foreColor"}, {"CForm", "BackColor"}},
    {"check-mark", "check box and mark on the form", "casilla y marca sobre el formulario",
     {"CCheckBox", "CheckColor"}, {"CForm", "BackColor"}},
    {"label", "labels, option buttons and plain check boxes on the form", "etiquetas sobre el formulario",
     {"CLabel", "foreColor"}, {"CForm", "BackColor"}},
    {"plain-check-disabled", "disabled plain check box on the form (the button's disabled back colour)",
     "casilla simple desactivada sobre el formulario",
     {"CCommandButton", "backColorDisabled"}, {"CForm", "BackColor"}},
};

// sRGB channel to linear light. The WCAG 2.0 text uses 0.03928 as the knee,
// later sRGB texts 0.04045; no 8-bit value (10/255 = 0.0392, 11/255 = 0.0431)
// falls between the two, so both give the same result here.
double linearChannel(int byte) {
  const double c = byte / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

bool involves(const ContrastPair& pair, std::string_view className) {
  return text::equalsIgnoreCase(pair.foreground.className, className) ||
         text::equalsIgnoreCase(pair.background.className, className);
}

std::int32_t loadedValue(const ThemeColourRef& ref) {
  const auto element = globales::sharedElement(ref.className);
  return element->value(element->indexOf(ref.property));
}

}  // namespace

std::span<const ContrastPair> contrastPairs() { return kPairs; }

std::vector<const ContrastPair*> contrastPairsOf(std::string_view className) {
  std::vector<const ContrastPair*> pairs;
  for (const auto& pair : kPairs)
    if (involves(pair, className)) pairs.push_back(&pair);
  return pairs;
}

double relativeLuminance(std::int32_t rgb) {
  const auto bits = static_cast<std::uint32_t>(rgb);
  return 0.2126 * linearChannel(static_cast<int>(bits & 0xFF)) +
         0.7152 * linearChannel(static_cast<int>((bits >> 8) & 0xFF)) +
         0.0722 * linearChannel(static_cast<int>((bits >> 16) & 0xFF));
}

std::optional<double> contrastRatio(std::int32_t first, std::int32_t second) {
  const auto a = resolveColour(first);
  const auto b = resolveColour(second);
  if (!a || !b) return std::nullopt;
  const double la = relativeLuminance(*a);
  const double lb = relativeLuminance(*b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::int32_t readableTextOn(std::int32_t background) {
  constexpr std::int32_t kBlack = 0x000000;
  constexpr std::int32_t kWhite = 0xFFFFFF;
  const auto onBlack = contrastRatio(kBlack, background).value_or(0);
  const auto onWhite = contrastRatio(kWhite, background).value_or(0);
  return onBlack >= onWhite ? kBlack : kWhite;
}

std::vector<ContrastCheck> checkContrast(const ThemeColourLookup& valueOf, std::string_view className) {
  std::vector<ContrastCheck> checks;
  for (const auto& pair : kPairs) {
    if (!className.empty() && !involves(pair, className)) continue;
    ContrastCheck check{&pair, valueOf(pair.foreground), valueOf(pair.background), std::nullopt};
    check.ratio = contrastRatio(check.foreground, check.background);
    checks.push_back(check);
  }
  return checks;
}

std::vector<ContrastCheck> checkLoadedTheme(std::string_view className) {
  return checkContrast(loadedValue, className);
}

std::string formatRatio(double ratio, bool decimalComma) {
  const double hundredths = std::floor(ratio * 100.0 + 1e-9);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f:1", hundredths / 100.0);
  std::string text = buffer;
  if (decimalComma) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string avisoContraste(std::span<const ContrastCheck> checks) {
  std::string aviso;
  for (const auto& check : checks) {
    if (check.passes()) continue;
    if (aviso.empty()) aviso = "Contraste por debajo de 4,5:1 en:";
    aviso += "\n";
    aviso += check.pair->que;
    aviso += ": ";
    aviso += check.ratio ? formatRatio(*check.ratio, true) : std::string("color no válido");
  }
  return aviso;
}

}  // namespace palvex
