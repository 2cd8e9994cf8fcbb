// Sheets of the shaped button for the gallery.
#pragma once

#include <QString>

/// Writes the shaped button sheets into `outDir`: every shape in every 3D
/// kind, normal, hovered, pressed and disabled; and every shape turned, with
/// gradients and the caption kinds. Returns the program's exit code.
int writeButtonSheets(const QString& outDir);
