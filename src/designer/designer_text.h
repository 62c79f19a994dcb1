#pragma once
// The texts the designer shows its user, in one place.

namespace palvex::designer::detail {

// The property grid's value-cell edit.
inline constexpr const char* kColourPrompt = "Introduzca el numero correspondiente al color deseado";
inline constexpr const char* kColourTitle = "Color";
inline constexpr const char* kInvalidNumber = "Numero inválido o fuera de rango";
// %1: the value as the override file holds it.
inline constexpr const char* kLockedByIni =
    "El archivo Orvane.ini fija este valor (%1): un cambio se guarda, pero al cargar el tema "
    "vuelve a regir el valor del archivo.";

// "Actualizar" and "Terminar".
inline constexpr const char* kNamePrompt = "Introduzca un nombre para la combinacion";
inline constexpr const char* kNameTitle = "Guardar combinacion de colores";
inline constexpr const char* kCreateQuestion = "Crear nueva combinacion";
inline constexpr const char* kLeaveQuestion = "No ha guardado los cambios. ¿Realmente desea salir?";

}  // namespace palvex::designer::detail
